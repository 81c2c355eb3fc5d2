// The methods that KWXFonts adds to "folderitem", its global methods, and the
// strings and objects that it hands to the host.

#include "KwxFontsTest.h"

#include <platform/FontManager.h>

#include <cstdlib>
#include <filesystem>

namespace kwxtest {

namespace {

constexpr std::string_view kActivate = "FontActivateKWX(OnlyLocal as boolean) as integer";
constexpr std::string_view kDeactivate = "FontDeactivateKWX(OnlyLocal as boolean) as integer";
constexpr std::string_view kGeneration = "FontGenerationCountKWX as integer";

std::filesystem::path UserFontFolder()
{
    return std::filesystem::path(std::getenv("XDG_DATA_HOME")) / "fonts";
}

class ActivationTest : public KwxFontsTest {};

TEST_F(ActivationTest, OnlyLocalPicksTheContextAndDeactivationAlwaysUndoesIt)
{
    struct Case {
        const char* name;
        RbBoolean onlyLocal;
        bool copiedForEveryProcess;
    };
    const Case cases[] = {
        {"OnlyLocal1.scr", 1, false},
        {"OnlyLocal0.scr", 0, true},
        {"OnlyLocal2.scr", 2, false},
    };
    const FontFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Ref<Object> file = FileObject(folder.Copy(KidprintFile(), c.name));
        const uint32_t before = FMGetGeneration();
        EXPECT_EQ(CallFileMethod(kActivate, file, c.onlyLocal), noErr);
        EXPECT_NE(FMGetGeneration(), before);
        EXPECT_EQ(std::filesystem::exists(UserFontFolder() / c.name), c.copiedForEveryProcess);
        EXPECT_EQ(CallFileMethod(kDeactivate, file, c.onlyLocal), noErr);
        EXPECT_FALSE(std::filesystem::exists(UserFontFolder() / c.name));
        // Deactivated, so a second deactivation is refused by the Font Manager.
        EXPECT_EQ(CallFileMethod(kDeactivate, file, c.onlyLocal), kFMFontNotActivatedErr);
    }
}

TEST_F(ActivationTest, FailuresGiveMinusOneOrTheFontManagersCode)
{
    const FontFolder folder;
    const std::string longName(64, 'k');
    struct Case {
        const char* what;
        Ref<Object> file;
        std::int32_t activated;
        std::int32_t deactivated;
    };
    const Case cases[] = {
        {"a name too long for an FSSpec", FileObject(folder.Copy(KidprintFile(), longName + ".scr")), -1, -1},
        {"a host string, not a file", MacRomanString("Kidprint Regular.scr"), -1, -1},
        {"a file that is no font", FileObject(folder.Copy(TestData("NotAFont.ttf"), "NotAFont.ttf")),
         kFMFontContainerAccessErr, kFMFontNotActivatedErr},
        {"a file that does not exist", FileObject(folder.Path("Missing.ttf")), fnfErr, kFMFontNotActivatedErr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const uint32_t before = FMGetGeneration();
        for (const RbBoolean onlyLocal : {RbBoolean{1}, RbBoolean{0}}) {
            EXPECT_EQ(CallFileMethod(kActivate, c.file, onlyLocal), c.activated);
            EXPECT_EQ(CallFileMethod(kDeactivate, c.file, onlyLocal), c.deactivated);
        }
        EXPECT_EQ(FMGetGeneration(), before);
    }
}

TEST_F(ActivationTest, GenerationCountIsTheFontManagersAsASignedInteger)
{
    EXPECT_EQ(CallGlobal<std::int32_t>(kGeneration), static_cast<std::int32_t>(FMGetGeneration()));
    const FontFolder folder;
    const Ref<Object> file = FileObject(folder.Copy(KidprintFile(), "Moves.scr"));
    const std::int32_t before = CallGlobal<std::int32_t>(kGeneration);
    ASSERT_EQ(CallFileMethod(kActivate, file, 1), noErr);
    EXPECT_NE(CallGlobal<std::int32_t>(kGeneration), before);
    CallFileMethod(kDeactivate, file, 1);

    const std::pair<uint32_t, std::int32_t> counts[] = {
        {0x7FFFFFFFu, 2147483647}, {0x80000000u, -2147483647 - 1}, {0xFFFFFFFFu, -1}};
    for (const auto& [generation, expected] : counts) {
        SCOPED_TRACE(generation);
        FontManagerSpy::SetGeneration(generation);
        EXPECT_EQ(CallGlobal<std::int32_t>(kGeneration), expected);
    }
}

TEST_F(ActivationTest, GetFontFamilyKWXFindsKnownFamiliesOnly)
{
    const Ref<Object> kidprint = FamilyNamed(kKidprintFamily);
    ASSERT_TRUE(kidprint);
    const std::string pascal = std::string(1, static_cast<char>(kKidprintFamily.size())) + std::string(kKidprintFamily);
    EXPECT_EQ(Handle(kidprint), FMGetFontFamilyFromName(reinterpret_cast<const unsigned char*>(pascal.data())));
    EXPECT_EQ(rb::HostStringBytes(CallForObject(kidprint, "Name as string")), std::string(kKidprintFamily));
    // The name's bytes go to the Font Manager as they are: Mac Roman here.
    EXPECT_TRUE(FamilyNamed(kTestFamilyMacRoman));

    CallbackSpy::Clear();
    EXPECT_FALSE(FamilyNamed("No Such Family KWX"));
    EXPECT_FALSE(rb::AdoptPluginResult(
        CallGlobal<void*>("GetFontFamilyKWX(name as string) as FontFamilyKWX", static_cast<void*>(nullptr))));
    EXPECT_TRUE(CallbackSpy::NewInstances().empty());
}

TEST_F(ActivationTest, HostStringsCarryTheNameBytesAndNoEmptyString)
{
    const Ref<Object> family = FamilyNamed(kTestFamilyMacRoman);
    ASSERT_TRUE(family);
    const Ref<Object> name =
        CallSharedForObject("FontKWX", "GetFontName(FontNumber as integer) as string", Handle(family));
    EXPECT_EQ(rb::HostStringBytes(name), std::string(kTestFamilyMacRoman));
    EXPECT_EQ(rb::HostStringEncoding(name), RB_ENCODING_MAC_ROMAN);

    // A number that names no family has an empty name: nil, and no string is made.
    CallbackSpy::Clear();
    EXPECT_FALSE(CallSharedForObject("FontKWX", "GetFontName(FontNumber as integer) as string", 30000));
    EXPECT_TRUE(CallbackSpy::BuiltStrings().empty());
}

} // namespace

} // namespace kwxtest
