// Host strings: the record plug-ins read, and text conversion between the
// encodings, as the tests' plug-in and the callbacks give it.
#include "PluginTestSupport.h"

#include "rb/PluginABI.h"
#include "rb/PluginHost.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using namespace std::string_literals;

constexpr std::uint32_t kUnknownEncoding = 0x12345678;

class HostStringTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { rbtest::LoadTestPlugin(); }

    static RbHostString* RecordOf(const rb::Ref<rb::Object>& string)
    {
        return static_cast<RbHostString*>(rb::HostObjectOf(string));
    }
    static std::string RunOf(const rb::Ref<rb::Object>& string)
    {
        const auto* run = reinterpret_cast<const unsigned char*>(RecordOf(string)->text);
        return std::string(reinterpret_cast<const char*>(run + 1), run[0]);
    }
};

struct Conversion {
    const char* name;
    std::string bytes;
    std::uint32_t from;
    std::uint32_t to;
    std::optional<std::string> expected;  // nullopt: the conversion gives nil
};

// Every row through the callback; a row to UTF-8 also as a plug-in does it,
// from raw bytes that it builds, tags, converts and unlocks.
TEST_F(HostStringTest, TextConvertsBetweenEncodingsAndInvalidBytesGiveNil)
{
    const Conversion cases[] = {
        {"Mac Roman", "caf\x8E \xA5"s, RB_ENCODING_MAC_ROMAN, RB_ENCODING_UTF8, "caf\xC3\xA9 \xE2\x80\xA2"s},
        {"Mac Roman high bytes", "\xA0\xFF\x80"s, RB_ENCODING_MAC_ROMAN, RB_ENCODING_UTF8,
         "\xE2\x80\xA0\xCB\x87\xC3\x84"s},
        {"ASCII", "plain text"s, RB_ENCODING_ASCII, RB_ENCODING_UTF8, "plain text"s},
        {"ASCII, a byte over 127", "caf\xE9"s, RB_ENCODING_ASCII, RB_ENCODING_UTF8, std::nullopt},
        {"UTF-16 big-endian without a mark", "\x00h\x00\xE9"s, RB_ENCODING_UTF16, RB_ENCODING_UTF8, "h\xC3\xA9"s},
        {"UTF-16 little-endian with a mark", "\xFF\xFEh\x00\xE9\x00"s, RB_ENCODING_UTF16, RB_ENCODING_UTF8,
         "h\xC3\xA9"s},
        {"UTF-16 big-endian with a mark", "\xFE\xFF\x00h"s, RB_ENCODING_UTF16, RB_ENCODING_UTF8, "h"s},
        {"UTF-16 surrogate pair", "\xD8\x3D\xDE\x00"s, RB_ENCODING_UTF16, RB_ENCODING_UTF8, "\xF0\x9F\x98\x80"s},
        {"UTF-16 lone surrogate", "\xD8\x3D\x00h"s, RB_ENCODING_UTF16, RB_ENCODING_UTF8, std::nullopt},
        {"UTF-16 odd byte count", "\x00h\x00"s, RB_ENCODING_UTF16, RB_ENCODING_UTF8, std::nullopt},
        {"UTF-32 big-endian without a mark", "\x00\x00\x00h\x00\x01\xF6\x00"s, RB_ENCODING_UTF32, RB_ENCODING_UTF8,
         "h\xF0\x9F\x98\x80"s},
        {"UTF-32 little-endian with a mark", "\xFF\xFE\x00\x00\xE9\x00\x00\x00"s, RB_ENCODING_UTF32,
         RB_ENCODING_UTF8, "\xC3\xA9"s},
        {"UTF-32 big-endian with a mark", "\x00\x00\xFE\xFF\x00\x00\x00h"s, RB_ENCODING_UTF32, RB_ENCODING_UTF8, "h"s},
        {"UTF-32 past the last code point", "\x00\x11\x00\x00"s, RB_ENCODING_UTF32, RB_ENCODING_UTF8, std::nullopt},
        {"UTF-32 truncated", "\x00\x00\x00"s, RB_ENCODING_UTF32, RB_ENCODING_UTF8, std::nullopt},
        {"UTF-8", "h\xC3\xA9"s, RB_ENCODING_UTF8, RB_ENCODING_UTF8, "h\xC3\xA9"s},
        {"UTF-8 bad continuation", "\xC3\x28"s, RB_ENCODING_UTF8, RB_ENCODING_UTF8, std::nullopt},
        {"UTF-8 overlong", "\xC0\xAF"s, RB_ENCODING_UTF8, RB_ENCODING_UTF8, std::nullopt},
        {"UTF-8 cut short", "h\xE2\x82"s, RB_ENCODING_UTF8, RB_ENCODING_UTF8, std::nullopt},
        {"empty Mac Roman", ""s, RB_ENCODING_MAC_ROMAN, RB_ENCODING_UTF8, ""s},
        {"raw bytes are no text", "abc"s, RB_ENCODING_NONE, RB_ENCODING_UTF8, std::nullopt},
        {"an unknown encoding", "abc"s, kUnknownEncoding, RB_ENCODING_UTF8, std::nullopt},
        // Unicode is written big-endian without a mark.
        {"written as UTF-16", "h\xF0\x9F\x98\x80"s, RB_ENCODING_UTF8, RB_ENCODING_UTF16, "\x00h\xD8\x3D\xDE\x00"s},
        {"written as UTF-32", "h\xC3\xA9"s, RB_ENCODING_UTF8, RB_ENCODING_UTF32, "\x00\x00\x00h\x00\x00\x00\xE9"s},
        {"written as Mac Roman", "caf\xC3\xA9"s, RB_ENCODING_UTF8, RB_ENCODING_MAC_ROMAN, "caf\x8E"s},
        {"Mac Roman has no emoji", "\xF0\x9F\x98\x80"s, RB_ENCODING_UTF8, RB_ENCODING_MAC_ROMAN, std::nullopt},
        {"ASCII has no accents", "caf\xC3\xA9"s, RB_ENCODING_UTF8, RB_ENCODING_ASCII, std::nullopt},
        {"written as no text", "abc"s, RB_ENCODING_UTF8, RB_ENCODING_NONE, std::nullopt},
    };
    const auto convert = rbtest::Callback<RbREALConvertStringFn>("REALConvertString");
    const auto toUTF8 = rbtest::Entrypoint<RbHostString* (*)(RbHostString*, std::int32_t)>(
        "ToUTF8Test(text as string, encoding as integer) as string");
    for (const Conversion& row : cases) {
        SCOPED_TRACE(row.name);
        const rb::Ref<rb::Object> text = rb::NewHostString(row.bytes, row.from);
        const rb::Ref<rb::Object> converted = rb::AdoptPluginResult(convert(RecordOf(text), row.to));
        EXPECT_EQ(rb::HostStringBytes(converted), row.expected);
        EXPECT_EQ(rb::HostStringEncoding(converted), row.expected ? std::optional(row.to) : std::nullopt);
        EXPECT_EQ(rb::HostStringBytes(text), row.bytes);
        if (row.to == RB_ENCODING_UTF8) {
            const rb::Ref<rb::Object> raw = rb::NewHostString(row.bytes, RB_ENCODING_NONE);
            const auto viaPlugin = rb::AdoptPluginResult(toUTF8(RecordOf(raw), static_cast<std::int32_t>(row.from)));
            EXPECT_EQ(rb::HostStringBytes(viaPlugin), row.expected);
        }
    }
}

TEST_F(HostStringTest, RunShowsTheFirst255BytesWhileTheStringKeepsThemAll)
{
    const std::string cases[] = {""s, "a\0b"s, std::string(255, 'x'), std::string(256, 'y') + "z",
                                 std::string(70000, 'w')};
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes.size());
        const rb::Ref<rb::Object> text = rb::NewHostString(bytes, RB_ENCODING_UTF8);
        EXPECT_EQ(RunOf(text), bytes.substr(0, 255));
        EXPECT_EQ(rb::HostStringBytes(text), bytes);
    }
}

TEST_F(HostStringTest, BuiltStringsCopyTheirBytesAndAreRawUntilTagged)
{
    const auto build = rbtest::Callback<RbREALBuildStringFn>("REALBuildString");
    const auto tag = rbtest::Callback<RbREALSetStringEncodingFn>("REALSetStringEncoding");
    std::string source = "bytes\0kept"s;
    const rb::Ref<rb::Object> built = rb::AdoptPluginResult(build(source.data(), source.size()));
    source[0] = 'X';
    EXPECT_EQ(rb::HostStringBytes(built), "bytes\0kept"s);
    EXPECT_EQ(rb::HostStringEncoding(built), RB_ENCODING_NONE);
    tag(RecordOf(built), RB_ENCODING_MAC_ROMAN);
    EXPECT_EQ(rb::HostStringEncoding(built), RB_ENCODING_MAC_ROMAN);
    EXPECT_EQ(RunOf(built), "bytes\0kept"s);

    const rb::Ref<rb::Object> empty = rb::AdoptPluginResult(build(nullptr, 0));
    EXPECT_EQ(rb::HostStringBytes(empty), "");
    EXPECT_EQ(build(nullptr, 3), nullptr);
}

TEST_F(HostStringTest, CallbacksIgnoreWhatIsNoHostString)
{
    const auto tag = rbtest::Callback<RbREALSetStringEncodingFn>("REALSetStringEncoding");
    const auto convert = rbtest::Callback<RbREALConvertStringFn>("REALConvertString");
    const auto unlock = rbtest::Callback<RbREALUnlockStringFn>("REALUnlockString");
    const rb::Ref<rb::Object> counter = rb::NewPluginInstance("CounterTest");
    const rb::Ref<rb::Object> file = rb::HostFileObject(rb::New<rb::FolderItem>("/tmp"));
    char notARecord[64] = {};
    RbHostString* others[] = {nullptr, static_cast<RbHostString*>(rb::HostObjectOf(counter)),
                              static_cast<RbHostString*>(rb::HostObjectOf(file)),
                              reinterpret_cast<RbHostString*>(notARecord)};
    for (RbHostString* other : others) {
        SCOPED_TRACE(other == nullptr ? "null" : "not a host string");
        tag(other, RB_ENCODING_UTF8);
        EXPECT_EQ(convert(other, RB_ENCODING_UTF8), nullptr);
        unlock(other);
    }
    EXPECT_EQ(counter->ReferenceCount(), 1);
    EXPECT_EQ(file->ReferenceCount(), 1);
    EXPECT_EQ(rb::HostStringBytes(counter), std::nullopt);
}

} // namespace
