#include "GameFixture.h"

#include "PreferencesFile.h"
#include "Startup.h"

#include "rb/Runtime.h"
#include "rb/testing/TestBundle.h"

#include <QApplication>

#include <fstream>

namespace fs = std::filesystem;

void GameFixture::SetUpTestSuite()
{
    static int argc = 1;
    static char name[] = "nubrello-test";
    static char* argv[] = {name, nullptr};
    // The tests' own Qt application, made once and never destroyed: every
    // game's end (RuntimeExit) then leaves it for the next test.
    if (QApplication::instance() == nullptr)
        new QApplication(argc, argv);
    rb::RuntimeInit(argc, argv);
}

void GameFixture::SetUp()
{
    static int bundles = 0;
    bundle_ = fs::path(std::getenv("HOME")) / ("bundle" + std::to_string(++bundles));
    fs::create_directories(bundle_ / "bin");
    fs::copy(fs::path(RB_BUNDLE_DIR) / "Resources", Resources(), fs::copy_options::recursive);
    fs::create_directory_symlink(fs::path(RB_BUNDLE_DIR) / "Plugins", bundle_ / "Plugins");
    rb::testing::OverrideExecutableFile(bundle_ / "bin" / "Nubrello");
    std::error_code ignored;
    fs::remove(PreferencesFile(), ignored);
}

void GameFixture::TearDown()
{
    if (started_)
        FinishGame();
    rb::testing::OverrideExecutableFile({});
}

void GameFixture::StartGame()
{
    started_ = true;
    rb::RunFrameworkInitialization(rb::RuntimeCreateDelegate(std::function<void()>(Startup), "(  )"));
    rb::testing::OpenApplication();
    ProcessEvents();
}

void GameFixture::FinishGame()
{
    started_ = false;
    Finalise();
    rb::RuntimeExit();
    ProcessEvents();
}

void GameFixture::ProcessEvents()
{
    for (int round = 0; round < 3; ++round)
        QApplication::processEvents();
}

void GameFixture::RemoveResource(const std::string& name) const
{
    fs::remove(Resources() / name);
}

fs::path GameFixture::PreferencesFile() const
{
    return fs::path(std::getenv("XDG_CONFIG_HOME")) / ::PreferencesFile::Name;
}

void GameFixture::WritePreferencesBytes(const std::string& bytes) const
{
    std::ofstream(PreferencesFile(), std::ios::binary) << bytes;
}

void GameFixture::WritePreferences(double ratio, bool preferred, bool quiet) const
{
    ASSERT_TRUE(::PreferencesFile::Create(*rb::New<rb::FolderItem>(PreferencesFile()), {ratio, preferred, quiet}));
}
