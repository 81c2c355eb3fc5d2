// The iterators over all fonts, all families and one family's instances.

#include "KwxFontsTest.h"

#include <platform/FontManager.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace kwxtest {

namespace {

constexpr std::string_view kNextFont = "NextFont as FontKWX";
constexpr std::string_view kNextFamily = "NextFontFamily as FontFamilyKWX";
constexpr std::string_view kNextWithStyle = "NextFont(byref style as integer, byref size as integer) as FontKWX";
constexpr std::size_t kLongestWalk = 100000;

// The objects that the next method gives until it gives nil.
std::vector<Ref<Object>> Walk(const Ref<Object>& iterator, std::string_view next)
{
    std::vector<Ref<Object>> items;
    while (items.size() < kLongestWalk) {
        Ref<Object> item = CallForObject(iterator, next);
        if (!item)
            break;
        items.push_back(item);
    }
    return items;
}

std::vector<std::int32_t> HandlesOf(const std::vector<Ref<Object>>& objects)
{
    std::vector<std::int32_t> handles;
    for (const Ref<Object>& object : objects)
        handles.push_back(Handle(object));
    return handles;
}

// The Font Manager's own walk, to hold the plug-in's against.
template <typename Record, typename Item, auto Create, auto Next, auto Dispose>
std::vector<std::int32_t> FontManagerWalk()
{
    Record record{};
    std::vector<std::int32_t> items;
    if (Create(nullptr, nullptr, kFMGlobalIterationScope, &record) != noErr)
        return items;
    Item item = 0;
    while (items.size() < kLongestWalk && Next(&record, &item) == noErr)
        items.push_back(static_cast<std::int32_t>(item));
    Dispose(&record);
    return items;
}

struct Instance {
    std::int32_t font;
    std::int32_t style;
    std::int32_t size;
    auto operator<=>(const Instance&) const = default;
};

std::vector<Instance> InstancesOf(const Ref<Object>& iterator)
{
    std::vector<Instance> instances;
    while (instances.size() < kLongestWalk) {
        std::int32_t style = 5;
        std::int32_t size = 5;
        const Ref<Object> font = CallForObject(iterator, kNextWithStyle, &style, &size);
        if (!font) {
            EXPECT_EQ(style, 0);
            EXPECT_EQ(size, 0);
            break;
        }
        instances.push_back({Handle(font), style, size});
    }
    return instances;
}

class IteratorTest : public KwxFontsTest {};

TEST_F(IteratorTest, WalkingAllFontsEndsWithNilAndResetStartsAgain)
{
    const Ref<Object> iterator = NewInstance("FontIteratorKWX");
    const std::vector<std::int32_t> fonts = HandlesOf(Walk(iterator, kNextFont));
    EXPECT_EQ(fonts, (FontManagerWalk<FMFontIterator, FMFont, FMCreateFontIterator, FMGetNextFont,
                                      FMDisposeFontIterator>()));
    const Ref<Object> kidprint = CallForObject(FamilyNamed(kKidprintFamily), kFontOfStyle, 0);
    EXPECT_NE(std::find(fonts.begin(), fonts.end(), Handle(kidprint)), fonts.end());
    EXPECT_FALSE(CallForObject(iterator, kNextFont));
    rb::CallPluginMethod(iterator, "Reset");
    ASSERT_FALSE(fonts.empty());
    EXPECT_EQ(Handle(CallForObject(iterator, kNextFont)), fonts.front());
}

TEST_F(IteratorTest, WalkingAllFamiliesEndsWithNilAndResetStartsAgain)
{
    const Ref<Object> iterator = NewInstance("FontFamilyIteratorKWX");
    const std::vector<std::int32_t> families = HandlesOf(Walk(iterator, kNextFamily));
    EXPECT_EQ(families, (FontManagerWalk<FMFontFamilyIterator, FMFontFamily, FMCreateFontFamilyIterator,
                                         FMGetNextFontFamily, FMDisposeFontFamilyIterator>()));
    for (const std::string_view name : {kKidprintFamily, kTestFamilyMacRoman})
        EXPECT_NE(std::find(families.begin(), families.end(), Handle(FamilyNamed(name))), families.end()) << name;
    EXPECT_FALSE(CallForObject(iterator, kNextFamily));
    rb::CallPluginMethod(iterator, "Reset");
    ASSERT_FALSE(families.empty());
    EXPECT_EQ(Handle(CallForObject(iterator, kNextFamily)), families.front());
}

TEST_F(IteratorTest, EachFamilysFontsWalkGivesItsFontsWithStyleAndSize)
{
    const std::vector<Ref<Object>> families = Walk(NewInstance("FontFamilyIteratorKWX"), kNextFamily);
    ASSERT_FALSE(families.empty());
    for (const Ref<Object>& family : families) {
        SCOPED_TRACE(Handle(family));
        const Ref<Object> iterator = CallForObject(family, kFonts);
        ASSERT_TRUE(iterator);
        const std::vector<Instance> instances = InstancesOf(iterator);
        ASSERT_FALSE(instances.empty());
        for (const Instance& instance : instances) {
            const Ref<Object> font = CallForObject(family, kFontOfStyle, instance.style);
            std::int32_t style = -1;
            EXPECT_EQ(Handle(CallForObject(font, "FontFamily(byref style as integer) as FontFamilyKWX", &style)),
                      Handle(family));
            EXPECT_EQ(style, instance.style);
        }
        rb::CallPluginMethod(iterator, "Reset");
        EXPECT_EQ(Handle(CallForObject(iterator, kNextFont)), instances.front().font);
    }
}

TEST_F(IteratorTest, TheTestFamilysFontsAreItsThreeStyles)
{
    const Ref<Object> iterator = CallForObject(FamilyNamed(kTestFamilyMacRoman), kFonts);
    std::vector<Instance> instances = InstancesOf(iterator);
    std::sort(instances.begin(), instances.end(), [](auto& a, auto& b) { return a.style < b.style; });
    ASSERT_EQ(instances.size(), 3u);
    for (std::int32_t style = 0; style < 3; ++style) {
        EXPECT_EQ(instances[style].style, style);
        EXPECT_EQ(instances[style].size, 0);
    }
    // One variable for both: the size is stored last.
    rb::CallPluginMethod(iterator, "Reset");
    for (std::size_t i = 0; i < 3; ++i) {
        std::int32_t both = 5;
        EXPECT_TRUE(CallForObject(iterator, kNextWithStyle, &both, &both));
        EXPECT_EQ(both, 0);
    }
}

TEST_F(IteratorTest, FamilyFontsWalkStartsAgainOnceWhenTheFontsChange)
{
    const Ref<Object> iterator = CallForObject(FamilyNamed(kTestFamilyMacRoman), kFonts);
    const std::int32_t first = Handle(CallForObject(iterator, kNextFont));
    EXPECT_NE(Handle(CallForObject(iterator, kNextFont)), first);
    const FontFolder folder;
    const ActiveFont change(folder.Copy(KidprintFile(), "Change.scr"));
    FontManagerSpy::Clear();
    EXPECT_EQ(Handle(CallForObject(iterator, kNextFont)), first);
    EXPECT_EQ(FontManagerSpy::Calls().nextFamilyInstance, 2);
    EXPECT_EQ(FontManagerSpy::Calls().resetFamilyInstance, 1);
}

// The family leaves with its one font, so the reset fails and the walk meets
// the change a second time.
TEST_F(IteratorTest, FamilyFontsWalkGivesNilWhenTheChangeMeetsItTwiceInARow)
{
    const FontFolder folder;
    auto cyrillic = std::make_unique<ActiveFont>(folder.Copy(TestData("PlatformCyrillic-Regular.ttf"), "Gone.ttf"));
    const Ref<Object> iterator = CallForObject(FamilyNamed(kCyrillicFamilyUtf8), kFonts);
    ASSERT_TRUE(iterator);
    cyrillic.reset();
    for (const bool withStyle : {false, true}) {
        SCOPED_TRACE(withStyle);
        FontManagerSpy::Clear();
        std::int32_t style = 5;
        std::int32_t size = 5;
        EXPECT_FALSE(withStyle ? CallForObject(iterator, kNextWithStyle, &style, &size)
                               : CallForObject(iterator, kNextFont));
        EXPECT_EQ(FontManagerSpy::Calls().nextFamilyInstance, 2);
        EXPECT_EQ(FontManagerSpy::Calls().resetFamilyInstance, 1);
        EXPECT_EQ(style, withStyle ? 0 : 5);
        EXPECT_EQ(size, withStyle ? 0 : 5);
    }
}

TEST_F(IteratorTest, FontAndFamilyWalksGiveNilWhenTheFontsChange)
{
    struct Case {
        const char* className;
        std::string_view next;
        int FontManagerCalls::*resets;
    };
    const Case cases[] = {
        {"FontIteratorKWX", kNextFont, &FontManagerCalls::resetFont},
        {"FontFamilyIteratorKWX", kNextFamily, &FontManagerCalls::resetFamily},
    };
    const FontFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.className);
        const Ref<Object> iterator = NewInstance(c.className);
        const Ref<Object> first = CallForObject(iterator, c.next);
        ASSERT_TRUE(first);
        const ActiveFont change(folder.Copy(KidprintFile(), std::string(c.className) + ".scr"));
        FontManagerSpy::Clear();
        EXPECT_FALSE(CallForObject(iterator, c.next));
        EXPECT_EQ(FontManagerSpy::Calls().*c.resets, 0);
        rb::CallPluginMethod(iterator, "Reset");
        EXPECT_EQ(Handle(CallForObject(iterator, c.next)), Handle(first));
    }
}

TEST_F(IteratorTest, AnIteratorIsDisposedOfOnceWhetherClosedOrNot)
{
    struct Case {
        const char* className;
        std::string_view next;
        int FontManagerCalls::*disposes;
    };
    const Case cases[] = {
        {"FontIteratorKWX", kNextFont, &FontManagerCalls::disposeFont},
        {"FontFamilyIteratorKWX", kNextFamily, &FontManagerCalls::disposeFamily},
        {"FontFamilyFontIteratorKWX", kNextFont, &FontManagerCalls::disposeFamilyInstance},
    };
    const Ref<Object> family = FamilyNamed(kTestFamilyMacRoman);
    for (const Case& c : cases) {
        for (const bool closed : {true, false}) {
            SCOPED_TRACE(std::string(c.className) + (closed ? " closed" : " not closed"));
            Ref<Object> iterator = c.disposes == &FontManagerCalls::disposeFamilyInstance ? CallForObject(family, kFonts)
                                                                                          : NewInstance(c.className);
            ASSERT_TRUE(CallForObject(iterator, c.next));
            FontManagerSpy::Clear();
            if (closed) {
                rb::CallPluginMethod(iterator, "Close");
                EXPECT_FALSE(CallForObject(iterator, c.next));
                rb::CallPluginMethod(iterator, "Reset");
                EXPECT_FALSE(CallForObject(iterator, c.next));
                rb::CallPluginMethod(iterator, "Close");
            }
            iterator = nullptr;
            EXPECT_EQ(FontManagerSpy::Calls().*c.disposes, 1);
        }
    }
}

// The host can make one by itself, with no iterator behind it.
TEST_F(IteratorTest, AFamilyFontsIteratorNeverSetUpIsNeverDisposedOf)
{
    Ref<Object> iterator = NewInstance("FontFamilyFontIteratorKWX");
    ASSERT_TRUE(iterator);
    std::int32_t style = 5;
    std::int32_t size = 5;
    EXPECT_FALSE(CallForObject(iterator, kNextWithStyle, &style, &size));
    EXPECT_EQ(style, 0);
    EXPECT_EQ(size, 0);
    rb::CallPluginMethod(iterator, "Reset");
    EXPECT_FALSE(CallForObject(iterator, kNextFont));
    rb::CallPluginMethod(iterator, "Close");
    iterator = nullptr;
    EXPECT_EQ(FontManagerSpy::Calls().disposeFamilyInstance, 0);
    EXPECT_EQ(FontManagerSpy::Calls().resetFamilyInstance, 0);
    EXPECT_EQ(FontManagerSpy::Calls().nextFamilyInstance, 0);
}

} // namespace

} // namespace kwxtest
