#include "GameFixture.h"
#include "PlayerInput.h"

#include "App.h"
#include "Module1.h"
#include "Window1.h"

#include "rb/CheckBox.h"
#include "rb/TextField.h"
#include "rb/qt/QtAccess.h"

#include <QWidget>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;
using namespace PlayerInput;

class PreferenceWindow : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        Module1::ratio = 0.0;
    }

    void TearDown() override
    {
        GameFixture::TearDown();
        Module1::ratio = 0.0;
    }

    static rb::Ref<rb::Window> Editor() { return rb::GetImplicitWindow("preferencewindow.preferencewindow"); }

    // What the player does in the editor that the start-up showed: tick the
    // boxes asked for and type the percentage.
    static void Fill(bool applause, const std::string& typed, bool music)
    {
        const auto editor = Editor();
        ASSERT_FALSE(editor.IsNil());
        if (applause)
            Tick(ControlWidget(editor, "checkapplause"));
        Type(ControlWidget(editor, "TextField1"), typed);
        if (music)
            Tick(ControlWidget(editor, "checkmusic"));
    }

    static void PressButton(const char* name)
    {
        Click(ControlWidget(Editor(), name));
        ProcessEvents();
    }

    // The preferences file in upper-case hexadecimal; "missing" when there is none.
    std::string FileHex() const
    {
        std::ifstream in(PreferencesFile(), std::ios::binary);
        if (!in)
            return "missing";
        std::string hex;
        for (auto it = std::istreambuf_iterator<char>(in); it != std::istreambuf_iterator<char>(); ++it) {
            static const char digits[] = "0123456789ABCDEF";
            const auto byte = static_cast<unsigned char>(*it);
            hex += digits[byte >> 4];
            hex += digits[byte & 15];
        }
        return hex;
    }

    static bool Ticked(const char* box)
    {
        return rb::RuntimeWindowControlByName(Editor(), box).Cast<rb::CheckBox>()->Value();
    }

    static std::string FieldText()
    {
        return rb::RuntimeWindowControlByName(Editor(), "TextField1").Cast<rb::TextField>()->Text();
    }

    // No file, and the settings as the first start left them.
    void ExpectNothingStored() const
    {
        EXPECT_EQ(FileHex(), "missing");
        EXPECT_EQ(Module1::ratio, 0.0);
        EXPECT_FALSE(App::Instance()->preferred);
        EXPECT_FALSE(App::Instance()->quiet);
    }

    static bool MainWindowShown() { return Window1::Instance()->Visible(); }
};

struct OkCase {
    const char* what;
    bool applause;
    const char* typed;
    bool music;
    double ratio;
    const char* file; // threshold, saved, music off
};

TEST_F(PreferenceWindow, OkStoresTheSettingsAndWritesThemToTheFile)
{
    const OkCase cases[] = {
        {"ticked with 50, music box unticked", true, "50", false, 0.5, "3FE0000000000000" "01" "00"},
        {"ticked with 70, music box ticked", true, "70", true, 0.7000000000000001, "3FE6666666666667" "01" "01"},
        {"ticked with 0", true, "0", false, 0.0, "0000000000000000" "01" "00"},
        {"unticked with a number", false, "50", true, 0.0, "0000000000000000" "01" "01"},
        {"ticked with a negative number", true, "-20", false, -0.2, "BFC999999999999A" "01" "00"},
        {"ticked with 150", true, "150", false, 1.5, "3FF8000000000000" "01" "00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::error_code ignored;
        fs::remove(PreferencesFile(), ignored);
        StartGame();
        Fill(c.applause, c.typed, c.music);
        PressButton("PushButton1");
        EXPECT_EQ(Module1::ratio, c.ratio);
        EXPECT_TRUE(App::Instance()->preferred);
        EXPECT_EQ(App::Instance()->quiet, c.music);
        EXPECT_EQ(FileHex(), c.file);
        EXPECT_TRUE(Editor().IsNil());
        FinishGame();
        Module1::ratio = 0.0;
    }
}

TEST_F(PreferenceWindow, OkOverwritesTheStartOfALongerFileAndKeepsItsTail)
{
    WritePreferencesBytes(std::string(10, '\0') + "tail");
    StartGame();
    Fill(true, "50", false);
    PressButton("PushButton1");
    EXPECT_EQ(FileHex(), "3FE0000000000000" "01" "00" "7461696C");
}

// The configuration folder is shared: another program's "nubrelloprefs" is
// not the game's file, neither read at the start nor written by OK.
TEST_F(PreferenceWindow, AFileWhoseNameDiffersInCaseAloneIsNeitherReadNorWritten)
{
    const fs::path theirs = PreferencesFile().parent_path() / "nubrelloprefs";
    const std::string theirBytes = std::string("\x3f\xe0\0\0\0\0\0\0\x01\x01", 10) + "theirs";
    std::ofstream(theirs, std::ios::binary) << theirBytes;
    StartGame();
    EXPECT_EQ(Module1::ratio, 0.0);
    EXPECT_FALSE(App::Instance()->preferred);
    ASSERT_FALSE(Editor().IsNil());
    Fill(true, "70", false);
    PressButton("PushButton1");
    EXPECT_EQ(FileHex(), "3FE6666666666667" "01" "00");
    std::ifstream in(theirs, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), theirBytes);
}

TEST_F(PreferenceWindow, CancelStoresNothingShowsTheMainWindowAndTheEditorComesBack)
{
    StartGame();
    Window1::Instance()->Hide();
    Fill(true, "50", true);
    PressButton("PushButton2");
    ExpectNothingStored();
    EXPECT_TRUE(MainWindowShown());
    EXPECT_TRUE(Editor().IsNil());

    FinishGame();
    StartGame();
    EXPECT_FALSE(Editor().IsNil());
}

TEST_F(PreferenceWindow, TheCloseBoxStoresNothingAndLeavesTheMainWindowHidden)
{
    StartGame();
    Window1::Instance()->Hide();
    Fill(true, "50", true);
    rb::FrameWidgetOf(*Editor())->close();
    ProcessEvents();
    ExpectNothingStored();
    EXPECT_FALSE(MainWindowShown());
    EXPECT_TRUE(Editor().IsNil());
}

TEST_F(PreferenceWindow, AfterOkTheNextStartOpensNoEditorAndTheMenuShowsTheSavedSettings)
{
    StartGame();
    Fill(true, "50", true);
    PressButton("PushButton1");
    FinishGame();
    Module1::ratio = 0.0;

    StartGame();
    EXPECT_TRUE(Editor().IsNil());
    EXPECT_EQ(Module1::ratio, 0.5);
    EXPECT_TRUE(App::Instance()->preferred);
    EXPECT_TRUE(App::Instance()->quiet);
    ChooseMenuItem(Window1::Instance(), "EditPreferences");
    ASSERT_FALSE(Editor().IsNil());
    EXPECT_TRUE(Editor()->Visible());
    EXPECT_TRUE(Ticked("checkapplause"));
    EXPECT_EQ(FieldText(), "50");
    EXPECT_TRUE(Ticked("checkmusic"));
}

struct FieldsCase {
    double ratio;
    bool quiet;
    bool applauseTicked;
    const char* field;
};

TEST_F(PreferenceWindow, TheFieldsAreFilledFromTheSettings)
{
    const FieldsCase cases[] = {
        {0.5, false, true, "50"},
        {0.7000000000000001, true, true, "70"},
        {0.07, false, true, "7"},
        {1.5, false, true, "150"},
        {0.0, true, false, ""},
        {-0.2, false, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "ratio " << c.ratio << (c.quiet ? ", quiet" : ""));
        WritePreferences(c.ratio, true, c.quiet);
        StartGame();
        ChooseMenuItem(Window1::Instance(), "EditPreferences");
        ASSERT_FALSE(Editor().IsNil());
        EXPECT_EQ(Ticked("checkapplause"), c.applauseTicked);
        EXPECT_EQ(FieldText(), c.field);
        EXPECT_EQ(Ticked("checkmusic"), c.quiet);
        FinishGame();
        Module1::ratio = 0.0;
    }
}

TEST_F(PreferenceWindow, ShowingTheOpenEditorAgainKeepsWhatThePlayerTyped)
{
    StartGame();
    const auto editor = Editor();
    Fill(true, "42", false);
    ChooseMenuItem(Window1::Instance(), "EditPreferences");
    EXPECT_EQ(Editor(), editor);
    EXPECT_TRUE(Ticked("checkapplause"));
    EXPECT_EQ(FieldText(), "42");
}

struct UnwritableCase {
    const char* what;
    void (*make)(const fs::path& file);
    bool (*unchanged)(const fs::path& file);
};

TEST_F(PreferenceWindow, APreferencesFileThatCannotBeWrittenLeavesTheEditorOpenAndTheFileAsItWas)
{
    const UnwritableCase cases[] = {
        {"a folder in its place", [](const fs::path& file) { fs::create_directory(file); },
         [](const fs::path& file) { return fs::is_directory(file) && fs::is_empty(file); }},
        {"a link into a missing folder",
         [](const fs::path& file) { fs::create_symlink(file.parent_path() / "missing" / "NubrelloPrefs", file); },
         [](const fs::path& file) { return fs::is_symlink(file) && !fs::exists(file); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::error_code ignored;
        fs::remove(PreferencesFile(), ignored);
        c.make(PreferencesFile());
        StartGame();
        Fill(true, "50", true);
        testing::internal::CaptureStderr();
        PressButton("PushButton1");
        EXPECT_NE(testing::internal::GetCapturedStderr().find("NilObjectException"), std::string::npos);
        ASSERT_FALSE(Editor().IsNil());
        EXPECT_TRUE(Editor()->Visible());
        EXPECT_TRUE(c.unchanged(PreferencesFile()));
        FinishGame();
        Module1::ratio = 0.0;
    }
}

} // namespace
