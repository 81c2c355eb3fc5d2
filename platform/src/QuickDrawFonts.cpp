#include <platform/QuickDrawFonts.h>

#include <platform/FontManager.h>

#include "FontDatabase.h"
#include "FontconfigCatalog.h"

namespace {

int16_t FamilyOfBestMatch(const char* alias)
{
    const auto face = platform::FontconfigCatalog::Instance().BestMatch(alias);
    if (!face)
        return 0;
    auto& database = platform::FontDatabase::Instance();
    const platform::FontEntry* font = database.Font(database.FontOf(*face));
    return font == nullptr ? 0 : font->family;
}

} // namespace

extern "C" {

int16_t GetSysFont(void)
{
    return FamilyOfBestMatch("sans-serif");
}

int16_t GetAppFont(void)
{
    return FamilyOfBestMatch("serif");
}

void GetFontName(int16_t familyID, unsigned char* name)
{
    if (name != nullptr && FMGetFontFamilyName(familyID, name) != noErr)
        name[0] = 0;
}

void GetFNum(const unsigned char* name, int16_t* familyID)
{
    if (familyID != nullptr)
        *familyID = FMGetFontFamilyFromName(name);
}

} // extern "C"
