#pragma once
// Shared helpers of the Font Manager tests: test fonts in a folder of their
// own, FSSpecs and Str255s, and what fontconfig itself lists.

#include <platform/MacTypes.h>

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::test {

// The test family: Regular and Bold TrueType, Italic CFF OpenType.
inline constexpr std::string_view kTestFamilyUtf8 = "Rb Platform T\xC3\xA9st";
inline constexpr std::string_view kTestFamilyMacRoman = "Rb Platform T\x8Est";
inline constexpr std::string_view kCyrillicFamilyUtf8 = "\xD0\xA0\xD0\xB1 \xD0\x9F\xD1\x80\xD0\xBE\xD0\xB1\xD0\xB0";

inline constexpr FourCharCode kTrueTypeFormat = 0x74727565; // 'true'
inline constexpr FourCharCode kOpenTypeCffFormat = 0x4F54544F; // 'OTTO'

// A fresh folder, removed with everything in it at the end.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::string Path(std::string_view name) const;
    // Copies the test data file into the folder under newName (its own name when empty).
    std::string CopyOfTestFile(std::string_view dataName, std::string_view newName = {}) const;

private:
    std::filesystem::path folder_;
};

std::string TestDataPath(std::string_view name);
FSSpec FileSpecOf(const std::string& path);
std::vector<unsigned char> Str255Of(std::string_view bytes);
std::string StringOf(const unsigned char* str255);
// What fontconfig lists: each face's file and index, and each face's first family name.
std::set<std::pair<std::string, int>> FontconfigFaces();
std::set<std::string> FontconfigFamilies();

} // namespace platform::test
