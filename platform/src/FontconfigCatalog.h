#pragma once

#include <platform/MacTypes.h>

#include <optional>
#include <string>
#include <vector>

typedef struct _FcConfig FcConfig;

namespace platform {

// A face in a file: fontconfig's FC_FILE and FC_INDEX.
struct FaceKey {
    std::string file;
    int index = 0;
    auto operator<=>(const FaceKey&) const = default;
};

struct ListedFont {
    FaceKey face;
    std::string family;   // fontconfig's first family name, UTF-8
    int weight = 80;      // fontconfig weight, 80 regular, 200 bold
    int width = 100;      // fontconfig width, 100 normal
    FMFontSize size = 0;  // 0 for a scalable font, else its pixel size
};

// The fonts of the process's fontconfig configuration, and the font files
// that this process added to it as application fonts. When fontconfig
// replaces its configuration (it reloads itself when font folders change),
// the files are added to the new one.
class FontconfigCatalog {
public:
    static FontconfigCatalog& Instance();

    // Every face that fontconfig lists (system and application fonts), each
    // face once, in the order of their keys.
    std::vector<ListedFont> ListFonts();
    // The face of fontconfig's best match for a family name or alias ("serif").
    std::optional<FaceKey> BestMatch(const char* family);
    bool AddApplicationFont(const std::string& path);
    // Removes one addition of the file.
    void RemoveApplicationFont(const std::string& path);
    // True once after each replacement of the configuration since the last call.
    bool ConfigurationReplaced();

private:
    FcConfig* Config();

    std::vector<std::string> applicationFonts_;
    FcConfig* lastConfig_ = nullptr;
    bool replaced_ = false;
};

} // namespace platform
