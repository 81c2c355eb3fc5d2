#pragma once
// Tests of KWXFonts through the framework's plug-in host: the bundle's real
// module, loaded once per program with a resolver over the host's own (see
// CallbackSpy), on the machine's fonts and on test fonts activated for this
// process.

#include "CallbackSpy.h"
#include "FontFolder.h"
#include "FontManagerSpy.h"
#include "KwxHost.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace kwxtest {

inline constexpr std::string_view kKidprintFamily = "Kidprint Regular";
// The test family (Regular and Bold TrueType, Italic CFF), named in Mac Roman.
inline constexpr std::string_view kTestFamilyMacRoman = "Rb Platform T\x8Est";
inline constexpr std::string_view kCyrillicFamilyUtf8 = "\xD0\xA0\xD0\xB1 \xD0\x9F\xD1\x80\xD0\xBE\xD0\xB1\xD0\xB0";
inline constexpr FMFontStyle kBold = 1;
inline constexpr FMFontStyle kItalic = 2;

inline constexpr std::string_view kFontOfStyle = "Font(Style as integer) as FontKWX";
inline constexpr std::string_view kFonts = "Fonts as FontFamilyFontIteratorKWX";

// An activated font, by its family and style, and the file that holds it.
struct ActivatedFont {
    std::string_view family;
    std::int32_t style;
    std::string file;
};

// A font file active for this process, through the platform itself, until
// the end of the scope.
class ActiveFont {
public:
    explicit ActiveFont(std::string path);
    ~ActiveFont();
    ActiveFont(const ActiveFont&) = delete;
    ActiveFont& operator=(const ActiveFont&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

class KwxFontsTest : public ::testing::Test {
protected:
    // Loads the plug-in and activates the game's font and the test family.
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The test family's files, as activated.
    static std::string TestFontFile(std::string_view dataName);
    // The game's font and two of the test family's, each from a file of its own.
    static std::vector<ActivatedFont> ActivatedFonts();
    static Ref<Object> FamilyNamed(std::string_view name);
    // A new object of a plug-in class, as the host makes it.
    static Ref<Object> NewInstance(std::string_view className);
};

} // namespace kwxtest
