#include <platform/FontManager.h>
#include <platform/QuickDrawFonts.h>

#include "TestFonts.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using namespace platform::test;

// The first family name of fontconfig's best match for a name or alias.
std::string FontconfigMatch(const char* family)
{
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(FcConfigGetCurrent(), pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(FcConfigGetCurrent(), pattern, &result);
    FcChar8* name = nullptr;
    std::string matched;
    if (match != nullptr && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch)
        matched = reinterpret_cast<const char*>(name);
    if (match != nullptr)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return matched;
}

std::string FontNameOf(int16_t number)
{
    Str255 name{};
    name[0] = 99;
    GetFontName(number, name);
    return StringOf(name);
}

TEST(QuickDrawFontsTest, SystemAndApplicationFontsAreFontconfigsDefaultMatches)
{
    const struct {
        const char* alias;
        int16_t number;
    } cases[] = {{"sans-serif", GetSysFont()}, {"serif", GetAppFont()}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.alias);
        EXPECT_GT(row.number, 0);
        EXPECT_EQ(FontNameOf(row.number), FontconfigMatch(row.alias));
    }
}

TEST(QuickDrawFontsTest, NumberAndNameOfAFontAgree)
{
    const int16_t system = GetSysFont();
    const std::string name = FontNameOf(system);
    ASSERT_FALSE(name.empty());
    int16_t number = 0;
    GetFNum(Str255Of(name).data(), &number);
    EXPECT_EQ(number, system);
}

TEST(QuickDrawFontsTest, UnknownFontsHaveNoNameAndNumberZero)
{
    for (const int16_t unknown : {int16_t{0}, int16_t{-1}, int16_t{32767}}) {
        SCOPED_TRACE(unknown);
        EXPECT_EQ(FontNameOf(unknown), "");
    }
    for (const char* name : {"", "No Such Family Anywhere"}) {
        SCOPED_TRACE(name);
        int16_t number = 77;
        GetFNum(Str255Of(name).data(), &number);
        EXPECT_EQ(number, 0);
    }
}

} // namespace
