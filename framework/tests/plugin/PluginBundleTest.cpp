// The host as the program starts it: the bundle's own Plugins folder, with the
// real font plug-in, and the Qt font database following font activations.
#include "plugin/PluginLoader.h"

#include "rb/PluginABI.h"
#include "rb/PluginHost.h"
#include "rb/testing/TestBundle.h"

#include <QApplication>
#include <QFontDatabase>

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kActivateKey = "folderitem.FontActivateKWX(OnlyLocal as boolean) as integer";
const std::string kDeactivateKey = "folderitem.FontDeactivateKWX(OnlyLocal as boolean) as integer";

class PluginBundleTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_framework_PluginBundle";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
        rb::testing::OverrideExecutableFile(std::string(RB_BUNDLE_DIR) + "/bin/Nubrello");
        testing::internal::CaptureStderr();
        rb::InitializePlugins();
        said() = testing::internal::GetCapturedStderr();
    }

    static std::string& said()
    {
        static std::string text;
        return text;
    }

    static bool QtHasFamily(const char* family) { return QFontDatabase::families().contains(family); }
};

TEST_F(PluginBundleTest, TheFontPluginLoadsOnceWithoutARefusal)
{
    rb::InitializePlugins();
    const std::vector<rb::LoadedPlugin> plugins = rb::LoadedPlugins();
    ASSERT_EQ(plugins.size(), 1u);
    EXPECT_EQ(plugins[0].file, "KWXFonts.so");
    EXPECT_EQ(plugins[0].version, RB_PLUGIN_RECORD_VERSION);
    EXPECT_EQ(said().find("rb.plugin"), std::string::npos) << said();
    EXPECT_EQ(said().find("refused"), std::string::npos) << said();
    EXPECT_NE(rb::RuntimeLookupPluginEntrypoint(kActivateKey), nullptr);
}

TEST_F(PluginBundleTest, AFontActivatedForThisProcessIsInQtsFontDatabaseUntilDeactivated)
{
    ASSERT_FALSE(QtHasFamily("Kidprint Regular"));
    const auto font = rb::New<rb::FolderItem>(RB_FONT_FILE);
    ASSERT_EQ(rb::CallFolderItemMethod(rb::RuntimeLookupPluginEntrypoint(kActivateKey), font, true), 0);
    EXPECT_TRUE(QtHasFamily("Kidprint Regular"));
    ASSERT_EQ(rb::CallFolderItemMethod(rb::RuntimeLookupPluginEntrypoint(kDeactivateKey), font, true), 0);
    EXPECT_FALSE(QtHasFamily("Kidprint Regular"));
}

} // namespace
