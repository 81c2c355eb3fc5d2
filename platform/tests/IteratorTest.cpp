#include <platform/FileSpecs.h>
#include <platform/FontManager.h>
#include <platform/QuickDrawFonts.h>

#include "TestFonts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <vector>

namespace {

using namespace platform::test;

struct FontWalk {
    using Record = FMFontIterator;
    using Item = FMFont;
    static OSStatus Create(Record* r) { return FMCreateFontIterator(nullptr, nullptr, kFMGlobalIterationScope, r); }
    static OSStatus Next(Record* r, Item* item) { return FMGetNextFont(r, item); }
    static OSStatus Reset(Record* r) { return FMResetFontIterator(nullptr, nullptr, kFMGlobalIterationScope, r); }
    static OSStatus Dispose(Record* r) { return FMDisposeFontIterator(r); }
};

struct FamilyWalk {
    using Record = FMFontFamilyIterator;
    using Item = FMFontFamily;
    static OSStatus Create(Record* r) { return FMCreateFontFamilyIterator(nullptr, nullptr, kFMGlobalIterationScope, r); }
    static OSStatus Next(Record* r, Item* item) { return FMGetNextFontFamily(r, item); }
    static OSStatus Reset(Record* r) { return FMResetFontFamilyIterator(nullptr, nullptr, kFMGlobalIterationScope, r); }
    static OSStatus Dispose(Record* r) { return FMDisposeFontFamilyIterator(r); }
};

// Walks the instances of the system font's family.
struct InstanceWalk {
    using Record = FMFontFamilyInstanceIterator;
    using Item = FMFont;
    static OSStatus Create(Record* r) { return FMCreateFontFamilyInstanceIterator(GetSysFont(), r); }
    static OSStatus Next(Record* r, Item* item)
    {
        FMFontStyle style = 0;
        FMFontSize size = 0;
        return FMGetNextFontFamilyInstance(r, item, &style, &size);
    }
    static OSStatus Reset(Record* r) { return FMResetFontFamilyInstanceIterator(GetSysFont(), r); }
    static OSStatus Dispose(Record* r) { return FMDisposeFontFamilyInstanceIterator(r); }
};

template <typename Walk>
std::vector<typename Walk::Item> ItemsUntilEnd(typename Walk::Record* iterator, OSStatus* last)
{
    std::vector<typename Walk::Item> items;
    typename Walk::Item item{};
    while ((*last = Walk::Next(iterator, &item)) == noErr)
        items.push_back(item);
    return items;
}

template <typename Walk>
class IteratorTest : public testing::Test {};

using Walks = testing::Types<FontWalk, FamilyWalk, InstanceWalk>;
TYPED_TEST_SUITE(IteratorTest, Walks);

TYPED_TEST(IteratorTest, WalkEndsWithCompletionAndResetStartsItAgain)
{
    typename TypeParam::Record iterator{};
    ASSERT_EQ(TypeParam::Create(&iterator), noErr);
    OSStatus last = noErr;
    const auto items = ItemsUntilEnd<TypeParam>(&iterator, &last);
    EXPECT_EQ(last, kFMIterationCompleted);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(std::set(items.begin(), items.end()).size(), items.size()) << "each item once";

    ASSERT_EQ(TypeParam::Reset(&iterator), noErr);
    typename TypeParam::Item first{};
    EXPECT_EQ(TypeParam::Next(&iterator, &first), noErr);
    EXPECT_EQ(first, items.front());
    EXPECT_EQ(TypeParam::Dispose(&iterator), noErr);
}

TYPED_TEST(IteratorTest, ChangeOfTheFontsUnderTheWalkIsReportedUntilReset)
{
    TemporaryFolder folder;
    const FSSpec font = FileSpecOf(folder.CopyOfTestFile("PlatformCyrillic-Regular.ttf"));
    typename TypeParam::Record iterator{};
    ASSERT_EQ(TypeParam::Create(&iterator), noErr);
    typename TypeParam::Item item{};
    ASSERT_EQ(TypeParam::Next(&iterator, &item), noErr);

    ASSERT_EQ(FMActivateFonts(&font, nullptr, nullptr, kFMLocalActivationContext), noErr);
    EXPECT_EQ(TypeParam::Next(&iterator, &item), kFMIterationScopeModifiedErr);
    EXPECT_EQ(TypeParam::Next(&iterator, &item), kFMIterationScopeModifiedErr);
    ASSERT_EQ(TypeParam::Reset(&iterator), noErr);
    EXPECT_EQ(TypeParam::Next(&iterator, &item), noErr);

    ASSERT_EQ(FMDeactivateFonts(&font, nullptr, nullptr, 0), noErr);
    EXPECT_EQ(TypeParam::Next(&iterator, &item), kFMIterationScopeModifiedErr);
    EXPECT_EQ(TypeParam::Dispose(&iterator), noErr);
}

TYPED_TEST(IteratorTest, DisposedIteratorIsRefusedAndNeverFreedTwice)
{
    typename TypeParam::Record iterator{};
    ASSERT_EQ(TypeParam::Create(&iterator), noErr);
    typename TypeParam::Record copy = iterator;
    EXPECT_EQ(TypeParam::Dispose(&iterator), noErr);
    EXPECT_EQ(TypeParam::Dispose(&iterator), paramErr);
    EXPECT_EQ(TypeParam::Dispose(&copy), paramErr);
    typename TypeParam::Item item{};
    EXPECT_EQ(TypeParam::Next(&copy, &item), paramErr);
    EXPECT_EQ(TypeParam::Reset(&copy), paramErr);
}

TYPED_TEST(IteratorTest, RecordNeverSetUpIsRefused)
{
    typename TypeParam::Record zeros{};
    typename TypeParam::Item item{};
    EXPECT_EQ(TypeParam::Next(&zeros, &item), paramErr);
    EXPECT_EQ(TypeParam::Reset(&zeros), paramErr);
    EXPECT_EQ(TypeParam::Dispose(&zeros), paramErr);
    EXPECT_EQ(TypeParam::Next(nullptr, &item), paramErr);
    EXPECT_EQ(TypeParam::Dispose(nullptr), paramErr);
}

// A file whose name is longer than an FSSpec holds has no container.
TEST(FontIteratorTest, WalkGivesEveryFaceThatFontconfigLists)
{
    FMFontIterator iterator{};
    ASSERT_EQ(FMCreateFontIterator(nullptr, nullptr, kFMGlobalIterationScope, &iterator), noErr);
    OSStatus last = noErr;
    const auto fonts = ItemsUntilEnd<FontWalk>(&iterator, &last);
    FMDisposeFontIterator(&iterator);
    std::set<std::string> walked;
    for (const FMFont font : fonts) {
        FSSpec fileSpec{};
        if (FMGetFontContainer(font, &fileSpec) == noErr)
            walked.insert(platform::PathFromFSSpec(fileSpec).value_or(""));
    }
    const auto faces = FontconfigFaces();
    std::set<std::string> listed;
    for (const auto& face : faces) {
        if (std::filesystem::path(face.first).filename().string().size() <= 63)
            listed.insert(face.first);
    }
    EXPECT_EQ(fonts.size(), faces.size());
    EXPECT_EQ(walked, listed);
}

TEST(FontIteratorTest, WalkGivesEveryFamilyThatFontconfigLists)
{
    FMFontFamilyIterator iterator{};
    ASSERT_EQ(FMCreateFontFamilyIterator(nullptr, nullptr, kFMGlobalIterationScope, &iterator), noErr);
    OSStatus last = noErr;
    const auto families = ItemsUntilEnd<FamilyWalk>(&iterator, &last);
    FMDisposeFontFamilyIterator(&iterator);
    const std::set<FMFontFamily> walked(families.begin(), families.end());
    std::set<FMFontFamily> listed;
    for (const auto& name : FontconfigFamilies())
        listed.insert(FMGetFontFamilyFromName(Str255Of(name).data()));
    EXPECT_EQ(walked, listed);
    EXPECT_FALSE(listed.contains(0));
}

TEST(FontIteratorTest, BadScopesAndFiltersAreRefused)
{
    const int filter = 0;
    FMFontIterator fonts{};
    FMFontFamilyIterator families{};
    EXPECT_EQ(FMCreateFontIterator(nullptr, nullptr, 7, &fonts), paramErr);
    EXPECT_EQ(FMDisposeFontIterator(&fonts), paramErr) << "a failed create leaves nothing to dispose of";
    EXPECT_EQ(FMCreateFontFamilyIterator(&filter, nullptr, kFMGlobalIterationScope, &families), paramErr);
    EXPECT_EQ(FMDisposeFontFamilyIterator(&families), paramErr);
    EXPECT_EQ(FMCreateFontIterator(nullptr, nullptr, kFMGlobalIterationScope, nullptr), paramErr);
}

} // namespace
