// The host given a Plugins folder of bad files and bad records: each is
// skipped or refused with one line on standard error, and the rest goes on.
#include "plugin/PluginLoader.h"

#include "rb/PluginABI.h"
#include "rb/PluginHost.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

class PluginRefusalTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        testing::internal::CaptureStderr();
        rb::LoadPluginsFrom(RB_TEST_PLUGINS);
        std::istringstream said(testing::internal::GetCapturedStderr());
        for (std::string line; std::getline(said, line);)
            lines().push_back(line);
    }

    static std::vector<std::string>& lines()
    {
        static std::vector<std::string> said;
        return said;
    }
};

TEST_F(PluginRefusalTest, EachBadRecordOrFileGetsOneLineInTurn)
{
    const std::string malformed = "plugin 'MalformedPlugin.so': ";
    const std::string expected[] = {
        malformed + "class record refused: version 8, not 9",
        malformed + "class record refused: the record has no name",
        malformed + "class 'BadTest' refused: method count 1025 is over 1024",
        malformed + "class 'BadTest' refused: method table is null with a count of 1",
        malformed + "class 'BadTest' refused: shared method table is null with a count of 3",
        malformed + "class 'BadTest' refused: method 0 has no function",
        malformed + "class 'BadTest' refused: method 0 has no declaration",
        malformed + "class 'BadTest' refused: property 0 uses the standard getter but is not an Integer",
        malformed + "class 'BadTest' refused: property 0 is read past the 2 bytes of instance data",
        malformed + "class 'BadTest' refused: property 0 has no getter",
        malformed + "class 'Broken?Name' refused: method table is null with a count of 1",
        malformed + "class 'GoodBeforeTest' refused: a class of that name is already registered",
        malformed + "class record refused: the record is null",
        malformed + "extension record refused: version 0, not 9",
        malformed + "extension record refused: the record has no name",
        malformed + "extension record refused: the record is null",
        malformed + "global method record refused: it has no function",
        malformed + "global method record refused: it has no declaration",
        malformed + "method 'GoodBeforeTest as integer' refused: a method of that key is already registered",
        malformed + "global method record refused: the record is null",
        "plugin 'NoEntryPlugin.so': no REALPluginMain; skipped",
        "plugin 'NotAnObject.so': cannot be loaded (",
    };
    ASSERT_EQ(lines().size(), std::size(expected)) << testing::PrintToString(lines());
    for (std::size_t i = 0; i < lines().size(); ++i) {
        SCOPED_TRACE(expected[i]);
        EXPECT_NE(lines()[i].find(expected[i]), std::string::npos) << lines()[i];
    }
}

TEST_F(PluginRefusalTest, GoodRecordsAroundTheBadOnesAreKept)
{
    const std::vector<rb::LoadedPlugin> plugins = rb::LoadedPlugins();
    ASSERT_EQ(plugins.size(), 1u);
    EXPECT_EQ(plugins[0].file, "MalformedPlugin.so");
    EXPECT_EQ(plugins[0].version, RB_PLUGIN_RECORD_VERSION);
    EXPECT_EQ(rb::PluginClassNames(), (std::vector<std::string>{"GoodBeforeTest", "GoodAfterTest"}));
    EXPECT_EQ(rb::PluginEntrypointKeys(),
              (std::vector<std::string>{"GoodBeforeTest as integer", "GoodAfterTest as integer"}));
    EXPECT_TRUE(rb::NewPluginInstance("GoodAfterTest"));
    EXPECT_TRUE(rb::NewPluginInstance("BadTest").IsNil());
}

TEST_F(PluginRefusalTest, AMissingFolderLoadsNothingAndSaysNothing)
{
    const std::vector<rb::LoadedPlugin> before = rb::LoadedPlugins();
    testing::internal::CaptureStderr();
    rb::LoadPluginsFrom(std::string(RB_TEST_PLUGINS) + "/no such folder");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(rb::LoadedPlugins().size(), before.size());
}

} // namespace
