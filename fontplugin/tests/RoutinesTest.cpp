// The routines that KWXFonts shares among its classes to hand strings and new
// instances to the host, built from the plug-in's own sources.

#include "CallbackSpy.h"

#include "Registration.h"
#include "HostCallbacks.h"
#include "SharedRoutines.h"

#include <rb/PluginHost.h>

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

namespace kwxtest {

namespace {

using rb::Object;
using rb::Ref;

class RoutinesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static const bool registered = [] {
            kwx::SetResolver(&CallbackSpy::Resolve);
            kwx::RegisterAll();
            return true;
        }();
        (void)registered;
    }

    void SetUp() override { CallbackSpy::Clear(); }
};

TEST_F(RoutinesTest, HostStringFromBytesTagsOrConvertsTheBytes)
{
    struct Case {
        const char* what;
        const char* bytes;
        uint32_t count;
        uint32_t encoding;
        std::optional<std::string> result;
        uint32_t resultEncoding;
        std::size_t released;
    };
    const Case cases[] = {
        {"a count of 0", "abc", 0, RB_ENCODING_MAC_ROMAN, std::nullopt, 0, 0},
        {"no bytes", nullptr, 3, RB_ENCODING_MAC_ROMAN, std::nullopt, 0, 0},
        {"Mac Roman", "T\x8Est", 4, RB_ENCODING_MAC_ROMAN, "T\x8Est", RB_ENCODING_MAC_ROMAN, 0},
        {"ASCII", "true", 4, RB_ENCODING_ASCII, "true", RB_ENCODING_ASCII, 0},
        {"raw bytes with a zero", "a\0b", 3, RB_ENCODING_NONE, std::string("a\0b", 3), RB_ENCODING_NONE, 0},
        {"UTF-8", "T\xC3\xA9", 3, RB_ENCODING_UTF8, "T\xC3\xA9", RB_ENCODING_UTF8, 0},
        {"UTF-16", "\0T\0\xE9", 4, RB_ENCODING_UTF16, "T\xC3\xA9", RB_ENCODING_UTF8, 1},
        {"UTF-16 little-endian after its byte-order mark", "\xFF\xFET\0\xE9\0", 6, RB_ENCODING_UTF16, "T\xC3\xA9",
         RB_ENCODING_UTF8, 1},
        {"UTF-32", "\0\0\0T\0\0\0\xE9", 8, RB_ENCODING_UTF32, "T\xC3\xA9", RB_ENCODING_UTF8, 1},
        {"UTF-16 that does not convert", "\xD8\0", 2, RB_ENCODING_UTF16, std::nullopt, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CallbackSpy::Clear();
        const Ref<Object> string = rb::AdoptPluginResult(kwx::HostStringFromBytes(c.bytes, c.count, c.encoding));
        EXPECT_EQ(rb::HostStringBytes(string), c.result);
        if (c.result) {
            EXPECT_EQ(rb::HostStringEncoding(string), c.resultEncoding);
        }
        EXPECT_EQ(CallbackSpy::BuiltStrings().size(), c.count == 0 || c.bytes == nullptr ? 0u : 1u);
        // The one string released is the unconverted one.
        ASSERT_EQ(CallbackSpy::UnlockedStrings().size(), c.released);
        if (c.released == 1) {
            EXPECT_EQ(CallbackSpy::UnlockedStrings()[0], CallbackSpy::BuiltStrings()[0]);
        }
    }
}

TEST_F(RoutinesTest, FormatCodeStringIsFourBytesMostSignificantFirst)
{
    struct Case {
        FourCharCode code;
        std::string bytes;
        uint32_t encoding;
    };
    const Case cases[] = {
        {0x74727565, "true", RB_ENCODING_ASCII},
        {0x43464620, "CFF ", RB_ENCODING_ASCII},
        {0x8E414243, "\x8E" "ABC", RB_ENCODING_MAC_ROMAN},
        {0x414243FF, "ABC\xFF", RB_ENCODING_MAC_ROMAN},
        {0x00000001, std::string("\0\0\0\1", 4), RB_ENCODING_ASCII},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        const Ref<Object> string = rb::AdoptPluginResult(kwx::FormatCodeString(c.code));
        EXPECT_EQ(rb::HostStringBytes(string), c.bytes);
        EXPECT_EQ(rb::HostStringEncoding(string), c.encoding);
    }
}

TEST_F(RoutinesTest, FontFamilyFromHandleMakesNothingForLow16BitsOfZero)
{
    struct Case {
        int32_t family;
        std::optional<int32_t> handle;
    };
    const Case cases[] = {
        {0, std::nullopt}, {0x10000, std::nullopt}, {-65536, std::nullopt},
        {1, 1}, {0x10001, 1}, {0x7FFF, 0x7FFF}, {0xFFFF, -1}, {-1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.family);
        CallbackSpy::Clear();
        const Ref<Object> family = rb::AdoptPluginResult(kwx::FontFamilyFromHandle(c.family));
        ASSERT_EQ(static_cast<bool>(family), c.handle.has_value());
        EXPECT_EQ(CallbackSpy::NewInstances().size(), c.handle ? 1u : 0u);
        if (c.handle) {
            EXPECT_EQ(rb::IntegerProperty(family, "Handle"), *c.handle);
        }
    }
}

TEST_F(RoutinesTest, FontFromHandleTakesAnyFontZeroIncluded)
{
    for (const FMFont font : {0u, 1u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(font);
        const Ref<Object> object = rb::AdoptPluginResult(kwx::FontFromHandle(font));
        ASSERT_TRUE(object);
        EXPECT_EQ(rb::IntegerProperty(object, "Handle"), static_cast<int32_t>(font));
    }
    EXPECT_EQ(CallbackSpy::NewInstances(), std::vector<std::string>(3, "FontKWX"));
}

// A callback that the resolver does not give leaves its slot empty: each use
// asks again, and the first answer that is a function is kept.
TEST_F(RoutinesTest, ACallbackTheResolverLacksIsAskedForAgainAtEachUse)
{
    static int asked = 0;
    static bool offered = false;
    kwx::SetResolver([](const char* name) -> void* {
        if (std::strcmp(name, "REALFSSpecFromFolderItem") != 0)
            return CallbackSpy::Resolve(name);
        ++asked;
        return offered ? CallbackSpy::Resolve(name) : nullptr;
    });
    const Ref<Object> file = rb::HostFileObject(rb::New<rb::FolderItem>(RB_TEST_DATA_DIR "/NotAFont.ttf"));
    auto* const object = static_cast<RbHostObject*>(rb::HostObjectOf(file));
    FSSpec spec{};
    EXPECT_FALSE(kwx::FSSpecFromFolderItem(&spec, object));
    EXPECT_FALSE(kwx::FSSpecFromFolderItem(&spec, object));
    EXPECT_EQ(asked, 2);
    offered = true;
    EXPECT_TRUE(kwx::FSSpecFromFolderItem(&spec, object));
    EXPECT_TRUE(kwx::FSSpecFromFolderItem(&spec, object));
    EXPECT_EQ(asked, 3);
    kwx::SetResolver(&CallbackSpy::Resolve);
}

} // namespace

} // namespace kwxtest
