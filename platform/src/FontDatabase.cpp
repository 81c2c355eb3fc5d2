#include "FontDatabase.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <tuple>

namespace platform {

namespace {

constexpr FMFontStyle kBoldItalic = 3;
constexpr int kLastFamilyNumber = std::numeric_limits<FMFontFamily>::max();

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

template <typename Map>
const typename Map::mapped_type* Find(const Map& map, const typename Map::key_type& key)
{
    const auto found = map.find(key);
    return found == map.end() ? nullptr : &found->second;
}

} // namespace

FontDatabase& FontDatabase::Instance()
{
    static FontDatabase database;
    return database;
}

void FontDatabase::Changed()
{
    ++generation_;
    stale_ = true;
}

const std::vector<FMFont>& FontDatabase::Fonts()
{
    Refresh();
    return fontOrder_;
}

const std::vector<FMFontFamily>& FontDatabase::Families()
{
    Refresh();
    return familyOrder_;
}

const FontEntry* FontDatabase::Font(FMFont number)
{
    Refresh();
    return Find(fontEntries_, number);
}

const FamilyEntry* FontDatabase::Family(FMFontFamily number)
{
    Refresh();
    return Find(familyEntries_, number);
}

FMFont FontDatabase::FontOf(const FaceKey& face)
{
    Refresh();
    const FMFont* number = Find(fontNumbers_, face);
    return number != nullptr && fontEntries_.contains(*number) ? *number : 0;
}

FMFontFamily FontDatabase::FamilyNamed(const std::vector<std::string>& candidates)
{
    Refresh();
    for (const auto& [number, family] : familyEntries_) {
        for (const auto& candidate : candidates) {
            if (EqualsIgnoringAsciiCase(family.name, candidate))
                return number;
        }
    }
    return 0;
}

const FontEntry* FontDatabase::BestInstance(FMFontFamily familyNumber, FMFontStyle style, FMFontSize size)
{
    const FamilyEntry* family = this->Family(familyNumber);
    if (family == nullptr)
        return nullptr;
    const FMFontStyle wanted = style & kBoldItalic;
    // Prefer a font without bits that were not asked for, then the fewest
    // missing bits, the size, a regular or bold weight and a normal width.
    const auto rank = [&](const FontEntry& font) {
        const FMFontStyle own = Facts(font).style;
        const int targetWeight = (own & 1) ? 200 : 80;
        return std::make_tuple((own & ~wanted) != 0, std::popcount(static_cast<unsigned>(wanted & ~own)),
                               font.listed.size != 0 && font.listed.size != size,
                               std::abs(font.listed.weight - targetWeight), std::abs(font.listed.width - 100),
                               font.number);
    };
    const FontEntry* best = nullptr;
    for (const FMFont number : family->fonts) {
        const FontEntry& candidate = fontEntries_.at(number);
        if (best == nullptr || rank(candidate) < rank(*best))
            best = &candidate;
    }
    return best;
}

FaceFacts FontDatabase::Facts(const FontEntry& font)
{
    if (const FaceFacts* known = Find(facts_, font.number))
        return *known;
    const auto read = FaceReader::Instance().Facts(font.listed.face.file, font.listed.face.index);
    const FaceFacts facts = read.value_or(FaceFacts{0, kUnknownFormat});
    facts_.emplace(font.number, facts);
    return facts;
}

uint32_t FontDatabase::Generation()
{
    if (FontconfigCatalog::Instance().ConfigurationReplaced())
        Changed();
    return generation_;
}

void FontDatabase::Refresh()
{
    Generation();
    if (stale_)
        Reload();
}

void FontDatabase::Reload()
{
    std::map<FMFont, FontEntry> fonts;
    std::map<FMFontFamily, FamilyEntry> families;
    for (auto& listed : FontconfigCatalog::Instance().ListFonts()) {
        const FMFontFamily family = FamilyNumber(listed.family);
        if (family == 0)
            continue;
        const FMFont number = FontNumber(listed.face);
        const FontEntry* previous = Find(fontEntries_, number);
        FamilyEntry& familyEntry = families[family];
        familyEntry.number = family;
        familyEntry.name = listed.family;
        familyEntry.fonts.push_back(number);
        fonts.emplace(number, FontEntry{number, std::move(listed), family,
                                        previous != nullptr ? previous->generation : generation_});
    }
    for (auto& [number, family] : families) {
        std::sort(family.fonts.begin(), family.fonts.end());
        const FamilyEntry* previous = Find(familyEntries_, number);
        family.generation = previous != nullptr && previous->fonts == family.fonts ? previous->generation : generation_;
    }
    fontEntries_ = std::move(fonts);
    familyEntries_ = std::move(families);
    fontOrder_.clear();
    for (const auto& entry : fontEntries_)
        fontOrder_.push_back(entry.first);
    familyOrder_.clear();
    for (const auto& entry : familyEntries_)
        familyOrder_.push_back(entry.first);
    stale_ = false;
}

FMFontFamily FontDatabase::FamilyNumber(const std::string& name)
{
    if (const FMFontFamily* known = Find(familyNumbers_, name))
        return *known;
    if (nextFamily_ > kLastFamilyNumber) {
        std::fprintf(stderr, "platform.fonts: font family '%s': no family numbers left; family left out\n",
                     name.c_str());
        return 0;
    }
    const auto number = static_cast<FMFontFamily>(nextFamily_++);
    familyNumbers_.emplace(name, number);
    return number;
}

FMFont FontDatabase::FontNumber(const FaceKey& face)
{
    if (const FMFont* known = Find(fontNumbers_, face))
        return *known;
    const FMFont number = nextFont_++;
    fontNumbers_.emplace(face, number);
    return number;
}

} // namespace platform
