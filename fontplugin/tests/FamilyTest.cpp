// FontFamilyKWX: one font family of the Font Manager.

#include "KwxFontsTest.h"

#include <platform/FontManager.h>

#include <filesystem>

namespace kwxtest {

namespace {

constexpr std::string_view kFontWithIntrinsic = "Font(Style as integer, byref IntrinsicStyle as integer) as FontKWX";
constexpr std::string_view kResource = "FontFamilyResource(Style as integer, Size as integer) as string";
constexpr std::string_view kContainer = "FontContainer(Style as integer, Size as integer) as folderitem";

class FamilyTest : public KwxFontsTest {
protected:
    void SetUp() override
    {
        KwxFontsTest::SetUp();
        family_ = FamilyNamed(kTestFamilyMacRoman);
        ASSERT_TRUE(family_);
    }

    std::int32_t FontHandle(std::int32_t style) const
    {
        const Ref<Object> font = CallForObject(family_, kFontOfStyle, style);
        return font ? Handle(font) : 0;
    }

    Ref<Object> family_;
};

TEST_F(FamilyTest, HandleIsTheFamilyNumber)
{
    const std::string pascal = std::string(1, static_cast<char>(kTestFamilyMacRoman.size())) +
                               std::string(kTestFamilyMacRoman);
    EXPECT_EQ(Handle(family_), FMGetFontFamilyFromName(reinterpret_cast<const unsigned char*>(pascal.data())));
}

// A style or size reaches the Font Manager cut to 16 bits and sign-extended.
TEST_F(FamilyTest, StylesAndSizesAreCutTo16Bits)
{
    struct Case {
        std::int32_t style;
        std::int32_t size;
        FMFontStyle seenStyle;
        FMFontSize seenSize;
        std::int32_t sameFontAs;
    };
    const Case cases[] = {
        {0, 12, 0, 12, 0},
        {65536, 65548, 0, 12, 0},
        {65537, 12, kBold, 12, kBold},
        {-1, -1, -1, -1, 3},
        {0x10002, 0x18000, kItalic, -32768, kItalic},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        const std::int32_t font = FontHandle(c.style);
        EXPECT_EQ(FontManagerSpy::Calls().style, c.seenStyle);
        EXPECT_EQ(font, FontHandle(c.sameFontAs));
        EXPECT_TRUE(CallForObject(family_, kResource, c.style, c.size));
        EXPECT_EQ(FontManagerSpy::Calls().style, c.seenStyle);
        EXPECT_EQ(FontManagerSpy::Calls().size, c.seenSize);
        FontManagerSpy::Calls() = FontManagerCalls{};
        EXPECT_TRUE(CallForObject(family_, kContainer, c.style, c.size));
        EXPECT_EQ(FontManagerSpy::Calls().style, c.seenStyle);
        EXPECT_EQ(FontManagerSpy::Calls().size, c.seenSize);
    }
}

TEST_F(FamilyTest, FontWithIntrinsicStyleGivesTheFontsOwnStyle)
{
    struct Case {
        std::int32_t style;
        std::int32_t intrinsic;
    };
    const Case cases[] = {{0, 0}, {kBold, kBold}, {kItalic, kItalic}, {65536 + kItalic, kItalic}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        std::int32_t intrinsic = 99;
        const Ref<Object> font = CallForObject(family_, kFontWithIntrinsic, c.style, &intrinsic);
        ASSERT_TRUE(font);
        EXPECT_EQ(Handle(font), FontHandle(c.style));
        EXPECT_EQ(intrinsic, c.intrinsic);
    }
}

TEST_F(FamilyTest, FontFamilyResourceIsExactlyTheFilesBytes)
{
    for (const ActivatedFont& c : ActivatedFonts()) {
        SCOPED_TRACE(c.file);
        const Ref<Object> resource = CallForObject(FamilyNamed(c.family), kResource, c.style, 0);
        const std::string bytes = FileBytes(c.file);
        ASSERT_GT(bytes.size(), 0u);
        ASSERT_NE(bytes.find('\0'), std::string::npos);
        EXPECT_EQ(rb::HostStringBytes(resource), bytes);
        EXPECT_EQ(rb::HostStringEncoding(resource), RB_ENCODING_NONE);
    }
}

TEST_F(FamilyTest, FontContainerIsTheFileOfTheStyle)
{
    const std::pair<std::int32_t, const char*> cases[] = {{0, "PlatformTest-Regular.ttf"},
                                                          {kItalic, "PlatformTest-Italic.otf"}};
    for (const auto& [style, file] : cases) {
        SCOPED_TRACE(file);
        const auto path = PathOf(CallForObject(family_, kContainer, style, 0));
        ASSERT_TRUE(path);
        EXPECT_TRUE(std::filesystem::equivalent(*path, TestFontFile(file)));
    }
}

TEST_F(FamilyTest, NameAndEncodingFollowTheFamilysTextEncoding)
{
    const FontFolder folder;
    const ActiveFont cyrillic(folder.Copy(TestData("PlatformCyrillic-Regular.ttf"), "Cyrillic.ttf"));
    struct Case {
        Ref<Object> family;
        std::string name;
        std::uint32_t encoding;
    };
    const Case cases[] = {
        {family_, std::string(kTestFamilyMacRoman), RB_ENCODING_MAC_ROMAN},
        {FamilyNamed(kCyrillicFamilyUtf8), std::string(kCyrillicFamilyUtf8), RB_ENCODING_UTF8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.family);
        const Ref<Object> name = CallForObject(c.family, "Name as string");
        EXPECT_EQ(rb::HostStringBytes(name), c.name);
        EXPECT_EQ(rb::HostStringEncoding(name), c.encoding);
        EXPECT_EQ(rb::CallPluginMethod<std::int32_t>(c.family, "Encoding as integer"),
                  static_cast<std::int32_t>(c.encoding));
    }
}

TEST_F(FamilyTest, GenerationCountIsTheFamilysGeneration)
{
    uint32_t generation = 0;
    ASSERT_EQ(FMGetFontFamilyGeneration(static_cast<FMFontFamily>(Handle(family_)), &generation), noErr);
    EXPECT_EQ(rb::CallPluginMethod<std::int32_t>(family_, "GenerationCount as integer"),
              static_cast<std::int32_t>(generation));
}

// The host's own FontFamilyKWX holds family 0, which the Font Manager rejects.
TEST_F(FamilyTest, ARejectedFamilyGivesNilAndZero)
{
    const Ref<Object> family = NewInstance("FontFamilyKWX");
    ASSERT_TRUE(family);
    EXPECT_EQ(Handle(family), 0);
    EXPECT_FALSE(CallForObject(family, kFontOfStyle, 0));
    std::int32_t intrinsic = 9;
    EXPECT_FALSE(CallForObject(family, kFontWithIntrinsic, 0, &intrinsic));
    EXPECT_EQ(intrinsic, 0);
    EXPECT_FALSE(CallForObject(family, kResource, 0, 0));
    EXPECT_FALSE(CallForObject(family, kContainer, 0, 0));
    EXPECT_FALSE(CallForObject(family, "Fonts as FontFamilyFontIteratorKWX"));
    EXPECT_FALSE(CallForObject(family, "Name as string"));
    EXPECT_EQ(rb::CallPluginMethod<std::int32_t>(family, "Encoding as integer"), 0);
    EXPECT_EQ(rb::CallPluginMethod<std::int32_t>(family, "GenerationCount as integer"), 0);
}

} // namespace

} // namespace kwxtest
