// Faults that the fuzz targets of fuzz/ found in the plug-in host, each
// replayed from the input that showed it.
#include "PluginTestSupport.h"

#include "rb/PluginABI.h"
#include "rb/PluginHost.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace {

using rbtest::Callback;

std::uintptr_t Word(const char* text)
{
    return reinterpret_cast<std::uintptr_t>(text);
}

// A plug-in's getters return the type of their property, as the header says.
RbHostString* FormatGetter(RbHostObject*)
{
    return Callback<RbREALBuildStringFn>("REALBuildString")("TTF ", 4);
}

RbHostObject* FileGetter(RbHostObject*)
{
    return nullptr;
}

// ClassDefinition's seed "font-class": the host called every object getter as
// one returning void*, another function type than the plug-in's, which
// clang's UndefinedBehaviorSanitizer reports.
TEST(FuzzFindingsTest, ObjectGettersAreCalledAsTheTypeTheyReturn)
{
    static const RbPropertyRecord properties[] = {
        {0, Word("Handle"), Word("Integer"), 0, RB_STANDARD_GETTER, 0, 0, {}},
        {0, Word("Format"), Word("String"), 0, reinterpret_cast<std::uintptr_t>(&FormatGetter), 0, 0, {}},
        {0, Word("File"), Word("Folderitem"), 0, reinterpret_cast<std::uintptr_t>(&FileGetter), 0, 0, {}},
    };
    RbClassDefinition record{};
    record.version = RB_PLUGIN_RECORD_VERSION;
    record.name = Word("FuzzKWX");
    record.instanceDataSize = 4;
    record.properties = reinterpret_cast<std::uintptr_t>(properties);
    record.propertyCount = std::size(properties);
    Callback<RbPluginRegisterClassFn>("PluginRegisterClass")(&record);

    const rb::Ref<rb::Object> font = rb::NewPluginInstance("FuzzKWX");
    ASSERT_TRUE(font);
    EXPECT_EQ(rb::IntegerProperty(font, "Handle"), 0);
    EXPECT_EQ(rb::HostStringBytes(rb::ObjectProperty(font, "Format")), "TTF ");
    EXPECT_TRUE(rb::ObjectProperty(font, "File").IsNil());
}

// Conversions that iconv lets through where it should refuse them, the first
// and fourth from HostString's inputs.
TEST(FuzzFindingsTest, TextThatCannotBeWrittenGivesNil)
{
    struct Row {
        const char* what;
        std::string bytes;
        std::uint32_t from;
        std::uint32_t to;
    };
    const std::string tagInUTF32 = std::string(24, '\0') + std::string("\x00\x0E\x00\x00\x00\x00\x00\x00", 8);
    const Row rows[] = {
        {"9E B1 D5 8D F5 BB BF 8D: past U+10FFFF, UTF-8 to UTF-8", "\xF5\xBB\xBF\x8D", RB_ENCODING_UTF8, RB_ENCODING_UTF8},
        {"U+110000, UTF-8 to UTF-8", "\xF4\x90\x80\x80", RB_ENCODING_UTF8, RB_ENCODING_UTF8},
        {"a five-byte form, UTF-8 to UTF-8", "A\xF8\x88\x80\x80\x80", RB_ENCODING_UTF8, RB_ENCODING_UTF8},
        {"03 00 00 00 ...: the tag U+E0000, UTF-32 to Mac Roman", tagInUTF32, RB_ENCODING_UTF32, RB_ENCODING_MAC_ROMAN},
        {"the tag U+E0001, UTF-8 to ASCII", "A\xF3\xA0\x80\x81" "B", RB_ENCODING_UTF8, RB_ENCODING_ASCII},
    };
    const auto buildString = Callback<RbREALBuildStringFn>("REALBuildString");
    const auto setEncoding = Callback<RbREALSetStringEncodingFn>("REALSetStringEncoding");
    const auto convertString = Callback<RbREALConvertStringFn>("REALConvertString");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const rb::Ref<rb::Object> string =
            rb::AdoptPluginResult(buildString(row.bytes.data(), static_cast<std::uint32_t>(row.bytes.size())));
        auto* record = static_cast<RbHostString*>(rb::HostObjectOf(string));
        setEncoding(record, row.from);
        EXPECT_TRUE(rb::AdoptPluginResult(convertString(record, row.to)).IsNil());
    }
}

} // namespace
