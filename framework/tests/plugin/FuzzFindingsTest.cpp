// Faults that the fuzz targets of fuzz/ found in the plug-in host, each
// replayed from the input that showed it.
#include "PluginTestSupport.h"

#include "rb/PluginABI.h"
#include "rb/PluginHost.h"

#include <gtest/gtest.h>

#include <cstring>
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

// HostString's input 9E B1 D5 8D F5 BB BF 8D: UTF-8 bytes past U+10FFFF were
// refused on the way to UTF-16 but copied to UTF-8 as if they were text.
TEST(FuzzFindingsTest, UTF8PastTheLastCodePointIsNoText)
{
    const char* const rows[] = {"\xF5\xBB\xBF\x8D", "\xF4\x90\x80\x80", "A\xF8\x88\x80\x80\x80"};
    const auto buildString = Callback<RbREALBuildStringFn>("REALBuildString");
    const auto setEncoding = Callback<RbREALSetStringEncodingFn>("REALSetStringEncoding");
    const auto convertString = Callback<RbREALConvertStringFn>("REALConvertString");
    for (const char* bytes : rows) {
        SCOPED_TRACE(testing::PrintToString(std::string(bytes)));
        const rb::Ref<rb::Object> string = rb::AdoptPluginResult(buildString(bytes, std::strlen(bytes)));
        setEncoding(static_cast<RbHostString*>(rb::HostObjectOf(string)), RB_ENCODING_UTF8);
        for (const std::uint32_t encoding : {RB_ENCODING_UTF8, RB_ENCODING_UTF16})
            EXPECT_EQ(convertString(static_cast<RbHostString*>(rb::HostObjectOf(string)), encoding), nullptr);
    }
}

} // namespace
