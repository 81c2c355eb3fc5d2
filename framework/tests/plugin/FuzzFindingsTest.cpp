// Faults that the fuzz targets of fuzz/ found in the plug-in host, each
// replayed from the input that showed it.
#include "PluginTestSupport.h"

#include "rb/PluginABI.h"
#include "rb/PluginHost.h"

#include <gtest/gtest.h>

#include <iterator>

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

} // namespace
