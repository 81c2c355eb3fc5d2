// FontKWX: one font of the Font Manager, and the QuickDraw font lookups.

#include "KwxFontsTest.h"

#include <platform/FontManager.h>
#include <platform/QuickDrawFonts.h>

#include <filesystem>

namespace kwxtest {

namespace {

constexpr std::string_view kFamilyWithStyle = "FontFamily(byref style as integer) as FontFamilyKWX";

class FontTest : public KwxFontsTest {
protected:
    static Ref<Object> FontOf(std::string_view familyName, std::int32_t style)
    {
        const Ref<Object> family = FamilyNamed(familyName);
        return family ? CallForObject(family, kFontOfStyle, style) : Ref<Object>();
    }
};

TEST_F(FontTest, FormatIsTheFourCharacterCodeInAscii)
{
    struct Case {
        std::string_view family;
        std::int32_t style;
        const char* format;
    };
    const Case cases[] = {
        {kTestFamilyMacRoman, 0, "true"},
        {kTestFamilyMacRoman, kItalic, "OTTO"},
        {kKidprintFamily, 0, "OTTO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        const Ref<Object> font = FontOf(c.family, c.style);
        ASSERT_TRUE(font);
        const Ref<Object> format = rb::ObjectProperty(font, "Format");
        EXPECT_EQ(rb::HostStringBytes(format), c.format);
        EXPECT_EQ(rb::HostStringEncoding(format), RB_ENCODING_ASCII);
    }
}

TEST_F(FontTest, FileIsTheFontsOwnFile)
{
    for (const ActivatedFont& c : ActivatedFonts()) {
        SCOPED_TRACE(c.file);
        const Ref<Object> font = FontOf(c.family, c.style);
        ASSERT_TRUE(font);
        const auto path = PathOf(rb::ObjectProperty(font, "File"));
        ASSERT_TRUE(path);
        EXPECT_TRUE(std::filesystem::equivalent(*path, c.file)) << *path;
    }
}

TEST_F(FontTest, BothFontFamilyMethodsGiveTheFontsFamilyAndStyle)
{
    const Ref<Object> family = FamilyNamed(kTestFamilyMacRoman);
    ASSERT_TRUE(family);
    for (const std::int32_t style : {0, 1, 2}) {
        SCOPED_TRACE(style);
        const Ref<Object> font = CallForObject(family, kFontOfStyle, style);
        ASSERT_TRUE(font);
        EXPECT_EQ(Handle(CallForObject(font, "FontFamily as FontFamilyKWX")), Handle(family));
        std::int32_t found = 99;
        EXPECT_EQ(Handle(CallForObject(font, kFamilyWithStyle, &found)), Handle(family));
        EXPECT_EQ(found, style);
        uint32_t generation = 0;
        ASSERT_EQ(FMGetFontGeneration(static_cast<FMFont>(Handle(font)), &generation), noErr);
        EXPECT_EQ(rb::CallPluginMethod<std::int32_t>(font, "GenerationCount as integer"),
                  static_cast<std::int32_t>(generation));
    }
}

// The host's own FontKWX holds font 0, which the Font Manager rejects.
TEST_F(FontTest, ARejectedFontGivesNilAndZeroAndLeavesStyle)
{
    const Ref<Object> font = NewInstance("FontKWX");
    ASSERT_TRUE(font);
    EXPECT_EQ(Handle(font), 0);
    EXPECT_FALSE(rb::ObjectProperty(font, "Format"));
    EXPECT_FALSE(rb::ObjectProperty(font, "File"));
    EXPECT_FALSE(CallForObject(font, "FontFamily as FontFamilyKWX"));
    std::int32_t style = 7;
    EXPECT_FALSE(CallForObject(font, kFamilyWithStyle, &style));
    EXPECT_EQ(style, 7);
    EXPECT_EQ(rb::CallPluginMethod<std::int32_t>(font, "GenerationCount as integer"), 0);
}

TEST_F(FontTest, SystemAndApplicationFontsAreQuickDrawsNumbersAndNames)
{
    struct Case {
        const char* number;
        const char* name;
        int16_t expected;
    };
    const Case cases[] = {
        {"GetSystemFont as integer", "GetSystemFontName as string", GetSysFont()},
        {"GetApplicationFont as integer", "GetApplicationFontName as string", GetAppFont()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(CallShared<std::int32_t>("FontKWX", c.number), c.expected);
        Str255 name{};
        GetFontName(c.expected, name);
        const Ref<Object> named = CallSharedForObject("FontKWX", c.name);
        if (name[0] == 0) {
            EXPECT_FALSE(named);
            continue;
        }
        EXPECT_EQ(rb::HostStringBytes(named), std::string(reinterpret_cast<const char*>(name + 1), name[0]));
        EXPECT_EQ(rb::HostStringEncoding(named), RB_ENCODING_MAC_ROMAN);
    }
}

TEST_F(FontTest, GetFontNameCutsTheNumberTo16Bits)
{
    const std::int32_t family = Handle(FamilyNamed(kTestFamilyMacRoman));
    struct Case {
        std::int32_t number;
        std::optional<std::string> name;
    };
    const Case cases[] = {
        {family, std::string(kTestFamilyMacRoman)},
        {family + 65536, std::string(kTestFamilyMacRoman)},
        {65536, std::nullopt},
        {0, std::nullopt},
        {30000, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        const Ref<Object> name = CallSharedForObject("FontKWX", "GetFontName(FontNumber as integer) as string", c.number);
        EXPECT_EQ(rb::HostStringBytes(name), c.name);
    }
}

TEST_F(FontTest, GetFontNumberLooksTheNameUp)
{
    const std::int32_t family = Handle(FamilyNamed(kTestFamilyMacRoman));
    const std::int32_t kidprint = Handle(FamilyNamed(kKidprintFamily));
    struct Case {
        const char* what;
        Ref<Object> name;
        std::int32_t number;
    };
    const Case cases[] = {
        {"nil", Ref<Object>(), 0},
        {"an unknown name", MacRomanString("No Such Family KWX"), 0},
        {"the test family in Mac Roman", MacRomanString(kTestFamilyMacRoman), family},
        {"the game's font, another case", MacRomanString("KIDPRINT regular"), kidprint},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CallShared<std::int32_t>("FontKWX", "GetFontNumber(Name as string) as integer",
                                           rb::HostObjectOf(c.name)),
                  c.number);
    }
}

} // namespace

} // namespace kwxtest
