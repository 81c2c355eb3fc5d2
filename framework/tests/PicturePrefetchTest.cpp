// The pictures read ahead at start-up: what the program then opens is what
// the files hold at that moment, as if nothing had been decoded ahead.
#include "graphics/PicturePrefetch.h"
#include "graphics/QtPicture.h"
#include "rb/FolderItem.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class PicturePrefetchTest : public testing::Test {
protected:
    void TearDown() override { rb::PicturePrefetch::Stop(); }

    fs::path File(const char* name) const { return fs::path(folder_.path().toStdString()) / name; }

    void Write(const char* name, int width, QColor colour) const
    {
        QImage image(width, 4, QImage::Format_ARGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString(File(name).string()), "PNG"));
    }

    rb::Ref<rb::Picture> Open(const char* name) const { return rb::FolderItem(File(name)).OpenAsPicture(); }

    static QRgb TopLeft(const rb::Ref<rb::Picture>& picture) { return rb::ToQImage(*picture).pixel(0, 0); }

    QTemporaryDir folder_;
};

TEST_F(PicturePrefetchTest, APrefetchedPictureIsHandedOverOnce)
{
    Write("a.png", 6, Qt::red);
    rb::PicturePrefetch::Start(File(""));
    const auto first = rb::PicturePrefetch::Take(File("a.png"));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Size().width(), 6);
    EXPECT_FALSE((rb::PicturePrefetch::Take(File("a.png")) != nullptr));
}

// A screen of one device pixel a unit never shows the renderings at twice
// the size, so they are not decoded (DoubledPictureTest runs at two).
TEST_F(PicturePrefetchTest, TheDoubledRenderingsAreLeftAtOneDevicePixelAUnit)
{
    Write("a.png", 6, Qt::red);
    Write("a@2x.png", 12, Qt::red);
    rb::PicturePrefetch::Start(File(""));
    EXPECT_FALSE((rb::PicturePrefetch::Take(File("a@2x.png")) != nullptr));
    EXPECT_TRUE((rb::PicturePrefetch::Take(File("a.png")) != nullptr));
}

TEST_F(PicturePrefetchTest, OpeningGivesWhatTheFileHoldsNow)
{
    Write("changed.png", 6, Qt::red);
    Write("removed.png", 6, Qt::red);
    Write("kept.png", 5, Qt::blue);
    rb::PicturePrefetch::Start(File(""));
    Write("changed.png", 9, Qt::green);
    fs::remove(File("removed.png"));

    const auto changed = Open("changed.png");
    ASSERT_FALSE(changed.IsNil());
    EXPECT_EQ(changed->Width(), 9);
    EXPECT_EQ(TopLeft(changed), QColor(Qt::green).rgba());
    EXPECT_TRUE(Open("removed.png").IsNil());
    const auto kept = Open("kept.png");
    ASSERT_FALSE(kept.IsNil());
    EXPECT_EQ(TopLeft(kept), QColor(Qt::blue).rgba());
}

TEST_F(PicturePrefetchTest, AFileThatIsNoPictureIsStillRefusedWhenOpened)
{
    std::ofstream(File("fake.png")) << "not a picture";
    rb::PicturePrefetch::Start(File(""));
    EXPECT_FALSE((rb::PicturePrefetch::Take(File("fake.png")) != nullptr));
    EXPECT_TRUE(Open("fake.png").IsNil());
}

TEST_F(PicturePrefetchTest, StopDropsWhatWasNotTakenAndAnotherStartReplacesIt)
{
    Write("a.png", 6, Qt::red);
    rb::PicturePrefetch::Start(File(""));
    rb::PicturePrefetch::Stop();
    EXPECT_FALSE((rb::PicturePrefetch::Take(File("a.png")) != nullptr));
    rb::PicturePrefetch::Start(File(""));
    rb::PicturePrefetch::Start(File(""));
    EXPECT_TRUE((rb::PicturePrefetch::Take(File("a.png")) != nullptr));
}

} // namespace
