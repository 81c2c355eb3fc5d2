#pragma once
// A fresh folder for font files, removed with everything in it at the end;
// and the font files that the tests start from.

#include <filesystem>
#include <string>
#include <string_view>

namespace kwxtest {

// A file of fontplugin/tests/data.
std::string TestData(std::string_view name);
// The game's own font, as the bundle holds it.
std::string KidprintFile();
std::string FileBytes(const std::string& path);

class FontFolder {
public:
    FontFolder();
    ~FontFolder();
    FontFolder(const FontFolder&) = delete;
    FontFolder& operator=(const FontFolder&) = delete;

    std::string Path(std::string_view name) const;
    // A copy of the file under that name in this folder.
    std::string Copy(const std::string& source, std::string_view name) const;

private:
    std::filesystem::path folder_;
};

} // namespace kwxtest
