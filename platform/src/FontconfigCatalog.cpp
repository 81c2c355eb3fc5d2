#include "FontconfigCatalog.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace platform {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct ObjectSetDeleter {
    void operator()(FcObjectSet* objects) const { FcObjectSetDestroy(objects); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* fonts) const { FcFontSetDestroy(fonts); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

std::optional<std::string> StringOf(FcPattern* pattern, const char* object)
{
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || value == nullptr)
        return std::nullopt;
    return std::string(reinterpret_cast<const char*>(value));
}

int IntegerOf(FcPattern* pattern, const char* object, int fallback)
{
    int value = fallback;
    FcPatternGetInteger(pattern, object, 0, &value);
    return value;
}

FMFontSize SizeOf(FcPattern* pattern)
{
    FcBool scalable = FcTrue;
    double pixels = 0;
    FcPatternGetBool(pattern, FC_SCALABLE, 0, &scalable);
    if (scalable || FcPatternGetDouble(pattern, FC_PIXEL_SIZE, 0, &pixels) != FcResultMatch)
        return 0;
    return static_cast<FMFontSize>(std::clamp(std::lround(pixels), 0L, 32767L));
}

std::optional<FaceKey> FaceOf(FcPattern* pattern)
{
    const auto file = StringOf(pattern, FC_FILE);
    if (!file)
        return std::nullopt;
    return FaceKey{*file, IntegerOf(pattern, FC_INDEX, 0)};
}

std::optional<ListedFont> ListedFontOf(FcPattern* pattern)
{
    const auto face = FaceOf(pattern);
    const auto family = StringOf(pattern, FC_FAMILY);
    if (!face || !family)
        return std::nullopt;
    return ListedFont{*face, *family, IntegerOf(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR),
                      IntegerOf(pattern, FC_WIDTH, FC_WIDTH_NORMAL), SizeOf(pattern)};
}

bool AddFile(FcConfig* config, const std::string& path)
{
    return FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(path.c_str())) == FcTrue;
}

} // namespace

FontconfigCatalog& FontconfigCatalog::Instance()
{
    static FontconfigCatalog catalog;
    return catalog;
}

std::vector<ListedFont> FontconfigCatalog::ListFonts()
{
    const Pattern all(FcPatternCreate());
    const std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(FcObjectSetBuild(
        FC_FILE, FC_INDEX, FC_FAMILY, FC_WEIGHT, FC_WIDTH, FC_SCALABLE, FC_PIXEL_SIZE, nullptr));
    const std::unique_ptr<FcFontSet, FontSetDeleter> fonts(FcFontList(Config(), all.get(), objects.get()));
    std::vector<ListedFont> listed;
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        if (auto font = ListedFontOf(fonts->fonts[i]))
            listed.push_back(std::move(*font));
    }
    const auto byFace = [](const ListedFont& a, const ListedFont& b) { return a.face < b.face; };
    const auto sameFace = [](const ListedFont& a, const ListedFont& b) { return a.face == b.face; };
    std::stable_sort(listed.begin(), listed.end(), byFace);
    listed.erase(std::unique(listed.begin(), listed.end(), sameFace), listed.end());
    return listed;
}

std::optional<FaceKey> FontconfigCatalog::BestMatch(const char* family)
{
    const Pattern wanted(FcNameParse(reinterpret_cast<const FcChar8*>(family)));
    if (!wanted)
        return std::nullopt;
    FcConfigSubstitute(Config(), wanted.get(), FcMatchPattern);
    FcDefaultSubstitute(wanted.get());
    FcResult result = FcResultNoMatch;
    const Pattern match(FcFontMatch(Config(), wanted.get(), &result));
    if (!match)
        return std::nullopt;
    return FaceOf(match.get());
}

bool FontconfigCatalog::AddApplicationFont(const std::string& path)
{
    if (!AddFile(Config(), path))
        return false;
    applicationFonts_.push_back(path);
    return true;
}

// fontconfig removes application fonts only all at once.
void FontconfigCatalog::RemoveApplicationFont(const std::string& path)
{
    const auto found = std::find(applicationFonts_.begin(), applicationFonts_.end(), path);
    if (found == applicationFonts_.end())
        return;
    applicationFonts_.erase(found);
    FcConfigAppFontClear(Config());
    for (const auto& file : applicationFonts_)
        AddFile(Config(), file);
}

bool FontconfigCatalog::ConfigurationReplaced()
{
    Config();
    return std::exchange(replaced_, false);
}

// The configuration is always named: with none, fontconfig may reload itself
// in the middle of a call.
FcConfig* FontconfigCatalog::Config()
{
    FcConfig* current = FcConfigGetCurrent();
    if (current != lastConfig_) {
        replaced_ = lastConfig_ != nullptr;
        lastConfig_ = current;
        for (const auto& file : applicationFonts_)
            AddFile(current, file);
    }
    return current;
}

} // namespace platform
