#include "GameFixture.h"

#include "App.h"
#include "MenuBar1.h"
#include "Module1.h"
#include "SoundItems.h"
#include "Startup.h"
#include "Window1.h"

#include "rb/Window.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QStringList>
#include <QTimer>

#include <filesystem>
#include <optional>

namespace {

namespace fs = std::filesystem;

using Startup = GameFixture;

bool EditorIsUp()
{
    return !rb::GetImplicitWindow("preferencewindow.preferencewindow").IsNil();
}

struct PreferencesCase {
    const char* what;
    std::optional<std::string> file; // nullopt: no file
    double ratio;
    bool preferred;
    bool quiet;
};

std::string Preferences(const char* doubleBytes, char preferred, char quiet)
{
    return std::string(doubleBytes, 8) + preferred + quiet;
}

TEST_F(Startup, ReadsThePreferencesAndOpensTheEditorUntilTheyWereSaved)
{
    const PreferencesCase cases[] = {
        {"no file", std::nullopt, 0.0, false, false},
        {"preferred False", Preferences("\x3f\xe0\0\0\0\0\0\0", 0, 1), 0.5, false, true},
        {"preferred True", Preferences("\x3f\xe8\0\0\0\0\0\0", 1, 0), 0.75, true, false},
        {"shorter than ten bytes", std::string("\x3f\xe0\0\0\0\0\0\0\x01", 9), 0.0, false, false},
        {"empty", std::string(), 0.0, false, false},
        {"longer than ten bytes", Preferences("\x3f\xe0\0\0\0\0\0\0", 1, 1) + "tail", 0.5, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::error_code ignored;
        fs::remove(PreferencesFile(), ignored);
        if (c.file)
            WritePreferencesBytes(*c.file);
        StartGame();
        EXPECT_EQ(Module1::ratio, c.ratio);
        EXPECT_EQ(App::Instance()->preferred, c.preferred);
        EXPECT_EQ(App::Instance()->quiet, c.quiet);
        EXPECT_EQ(EditorIsUp(), !c.preferred);
        FinishGame();
        Module1::ratio = 0.0;
    }
}

TEST_F(Startup, APreferencesFolderInPlaceOfTheFileLeavesTheDefaults)
{
    fs::create_directories(PreferencesFile());
    StartGame();
    EXPECT_FALSE(App::Instance()->preferred);
    EXPECT_TRUE(EditorIsUp());
}

TEST_F(Startup, TheApplicationOpensBeforeTheMainWindowDealsTheBoxes)
{
    StartGame();
    // The deal needs the catalogue that the application's Open event builds.
    ASSERT_FALSE(Module1::d.IsNil());
    EXPECT_EQ(Module1::s->Ubound(), 41);
    EXPECT_EQ(Window1::Instance(), Window1::Instance());
}

TEST_F(Startup, ActivatesTheBundledFontForTheGame)
{
    StartGame();
    EXPECT_TRUE(QFontDatabase::families().contains("Kidprint Regular"));
}

TEST_F(Startup, GoesOnWithoutTheFontFile)
{
    RemoveResource("Kidprint Regular.scr");
    StartGame();
    EXPECT_EQ(Module1::s->Ubound(), 41);
}

TEST_F(Startup, TheFinalisationReleasesSoundsMenuBarCatalogueAndDeck)
{
    StartGame();
    const auto bar = MenuBar1::Instance();
    ASSERT_FALSE(Bell2().IsNil());
    FinishGame();
    EXPECT_TRUE(Bell2().IsNil());
    EXPECT_TRUE(Module1::d.IsNil());
    EXPECT_TRUE(Module1::s.IsNil());
    EXPECT_NE(MenuBar1::Instance(), bar);
    MenuBar1::Exit();
    Module1::s = rb::CreateArray(-1);
}

// A live "Window1.Window1" that is no Window1 makes the start-up routine's
// main window raise: the run ends as after a quit, without its event loop.
TEST_F(Startup, AnExceptionEscapingTheStartUpEndsTheRunAsAQuitDoes)
{
    rb::New<rb::Window>("Window1.Window1")->Constructor();
    bool loopRan = false;
    QObject loopWatch;
    QTimer::singleShot(0, &loopWatch, [&] {
        loopRan = true;
        QCoreApplication::exit(7);
    });
    int argc = 1;
    char name[] = "Nubrello";
    char* argv[] = {name, nullptr};

    testing::internal::CaptureStderr();
    const int status = RunNubrello(argc, argv);
    const std::string report = testing::internal::GetCapturedStderr();

    EXPECT_EQ(status, 0);
    EXPECT_FALSE(loopRan);
    EXPECT_TRUE(Module1::s.IsNil()) << "the finalisation did not run";
    EXPECT_NE(report.find("rb: unhandled IllegalCastException"), std::string::npos) << report;
    Module1::s = rb::CreateArray(-1);
}

} // namespace
