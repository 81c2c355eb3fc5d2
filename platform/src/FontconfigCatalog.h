#pragma once
// The fonts of the process's fontconfig configuration.

#include <platform/MacTypes.h>

#include <optional>
#include <string>
#include <vector>

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

// Every face that fontconfig lists (system and application fonts), each face
// once, in the order of their keys.
std::vector<ListedFont> ListFonts();
// The face of fontconfig's best match for a family name or alias ("serif").
std::optional<FaceKey> BestMatch(const char* family);
bool AddApplicationFont(const std::string& path);
void ClearApplicationFonts();

} // namespace platform
