// Each test uses items that no other test of this program touches: the items'
// caches last for the whole process, as they do in the game.
#include "GameFixture.h"

#include "PictureItems.h"
#include "SoundItems.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

using Items = GameFixture;

TEST_F(Items, APictureAccessorReturnsTheSameObjectEveryCall)
{
    const auto first = apple();
    ASSERT_FALSE(first.IsNil());
    EXPECT_EQ(apple(), first);
}

TEST_F(Items, ARemovedPictureIsTriedAgainAtEveryCall)
{
    const fs::path saved = Resources() / "lime.saved";
    fs::rename(Resources() / "lime.png", saved);
    EXPECT_TRUE(lime().IsNil());
    EXPECT_TRUE(lime().IsNil());
    fs::rename(saved, Resources() / "lime.png");
    EXPECT_FALSE(lime().IsNil());
}

TEST_F(Items, ARemovedSoundStaysNilEvenWhenTheFileComesBack)
{
    const fs::path saved = Resources() / "buzz.saved";
    fs::rename(Resources() / "buzz.wav", saved);
    EXPECT_TRUE(buzz().IsNil());
    fs::rename(saved, Resources() / "buzz.wav");
    EXPECT_TRUE(buzz().IsNil());
}

TEST_F(Items, ASoundIsLoadedOnceAndKept)
{
    const auto first = pop();
    ASSERT_FALSE(first.IsNil());
    EXPECT_EQ(pop(), first);
}

TEST_F(Items, FileNamesFollowTheirExceptions)
{
    // Each of these opens only under its own file name.
    const std::pair<rb::Ref<rb::Picture> (*)(), const char*> items[] = {
        {frame1, "frame.png"}, {greenonion, "green-onion.png"}, {french_bread, "french_bread.png"}};
    for (const auto& [accessor, file] : items) {
        SCOPED_TRACE(file);
        const fs::path saved = Resources() / "saved";
        fs::rename(Resources() / file, saved);
        EXPECT_TRUE(accessor().IsNil());
        fs::rename(saved, Resources() / file);
        EXPECT_FALSE(accessor().IsNil());
    }
}

} // namespace
