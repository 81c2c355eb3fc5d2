#pragma once

#include "FaceReader.h"
#include "FontconfigCatalog.h"

#include <platform/MacTypes.h>

#include <map>
#include <string>
#include <vector>

namespace platform {

struct FontEntry {
    FMFont number = 0;
    ListedFont listed;
    FMFontFamily family = 0;
    uint32_t generation = 0;  // when the font last came into the set
};

struct FamilyEntry {
    FMFontFamily number = 0;
    std::string name;           // UTF-8
    std::vector<FMFont> fonts;  // in number order
    uint32_t generation = 0;    // when the family's set of fonts last changed
};

// The fonts and families that fontconfig lists, with their numbers. Numbers
// are given when a face or family is first seen and kept for the life of the
// process; the lists are read again after every change.
class FontDatabase {
public:
    static FontDatabase& Instance();

    // Moves on by itself when fontconfig replaced its configuration.
    uint32_t Generation();
    // The set of fonts changed: moves the generation on.
    void Changed();

    const std::vector<FMFont>& Fonts();
    const std::vector<FMFontFamily>& Families();
    const FontEntry* Font(FMFont number);
    const FamilyEntry* Family(FMFontFamily number);
    FMFont FontOf(const FaceKey& face);
    // The family whose name equals one of the candidates, ASCII case ignored; 0 for none.
    FMFontFamily FamilyNamed(const std::vector<std::string>& candidates);
    // The family's font that best fits the style's bold and italic bits and the size.
    const FontEntry* BestInstance(FMFontFamily family, FMFontStyle style, FMFontSize size);
    // FreeType's facts of the font, read once.
    FaceFacts Facts(const FontEntry& font);

private:
    void Refresh();
    void Reload();
    FMFontFamily FamilyNumber(const std::string& name);
    FMFont FontNumber(const FaceKey& face);

    uint32_t generation_ = 1;
    bool stale_ = true;
    std::map<FMFont, FontEntry> fontEntries_;
    std::map<FMFontFamily, FamilyEntry> familyEntries_;
    std::vector<FMFont> fontOrder_;
    std::vector<FMFontFamily> familyOrder_;
    std::map<FaceKey, FMFont> fontNumbers_;
    std::map<std::string, FMFontFamily> familyNumbers_;
    std::map<FMFont, FaceFacts> facts_;
    FMFont nextFont_ = 1;
    int nextFamily_ = 1;
};

} // namespace platform
