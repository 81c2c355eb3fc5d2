// The platform's text conversions, as font names take them. The host strings'
// conversions between every encoding are the framework's HostString tests.
#include <platform/TextEncodings.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct Row {
    const char* what;
    std::string bytes;
    std::optional<std::string> expected; // nullopt: refused
};

TEST(TextEncodingsTest, MacRomanFromUtf8RefusesWhatMacRomanCannotHold)
{
    const Row rows[] = {
        {"plain", "Kidprint", "Kidprint"},
        {"an accent", "caf\xC3\xA9", "caf\x8E"},
        {"a bullet", "\xE2\x80\xA2", "\xA5"},
        {"an emoji", "A\xF0\x9F\x98\x80", std::nullopt},
        {"the tag U+E0000", "\xF3\xA0\x80\x80", std::nullopt},
        {"the tag U+E0041 within a name", "Font\xF3\xA0\x81\x81Name", std::nullopt},
        {"the tag U+E007F", "A\xF3\xA0\x81\xBF", std::nullopt},
        {"not UTF-8", "caf\xE9", std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(platform::MacRomanFromUtf8(row.bytes), row.expected);
    }
}

TEST(TextEncodingsTest, Utf8FromMacRomanReadsEveryByte)
{
    EXPECT_EQ(platform::Utf8FromMacRoman("caf\x8E \xA0\xFF"), "caf\xC3\xA9 \xE2\x80\xA0\xCB\x87");
}

TEST(TextEncodingsTest, IsUtf8RefusesCodePointsPastTheLastAndOverlongForms)
{
    const struct {
        const char* what;
        std::string bytes;
        bool utf8;
    } rows[] = {
        {"ASCII", "name", true},
        {"an accent", "caf\xC3\xA9", true},
        {"U+10FFFF", "\xF4\x8F\xBF\xBF", true},
        {"U+110000", "\xF4\x90\x80\x80", false},
        {"a five-byte form", "A\xF8\x88\x80\x80\x80", false},
        {"overlong", "\xC0\xAF", false},
        {"cut short", "h\xE2\x82", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(platform::IsUtf8(row.bytes), row.utf8);
    }
}

} // namespace
