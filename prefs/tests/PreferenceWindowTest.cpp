#include "GameFixture.h"
#include "PlayerInput.h"

#include "App.h"
#include "Module1.h"
#include "PreferencesFile.h"
#include "Window1.h"

#include "rb/CheckBox.h"
#include "rb/TextField.h"
#include "rb/qt/QtAccess.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace PlayerInput;

// The file in upper-case hexadecimal; "missing" when there is none.
std::string HexOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
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

    std::string FileHex() const { return HexOf(PreferencesFile()); }

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

// The editor is resizeable, down to 64 x 64 and no further: what it shows
// and the size it reports.
TEST_F(PreferenceWindow, TheEditorResizesDownTo64By64AndNoFurther)
{
    struct Asked {
        std::int32_t width;
        std::int32_t height;
        QSize kept;
    };
    const Asked asks[] = {{10, 10, {64, 64}},   {0, 0, {64, 64}},     {-5, 63, {64, 64}},
                          {63, 400, {64, 400}}, {400, 63, {400, 64}}, {64, 65, {64, 65}}};
    StartGame();
    const auto editor = Editor();
    ASSERT_FALSE(editor.IsNil());
    for (const auto& asked : asks) {
        SCOPED_TRACE(std::to_string(asked.width) + " x " + std::to_string(asked.height));
        editor->Width(asked.width);
        editor->Height(asked.height);
        ProcessEvents();
        EXPECT_EQ(rb::WidgetOf(*editor)->width(), asked.kept.width());
        EXPECT_EQ(rb::WidgetOf(*editor)->height(), asked.kept.height());
        EXPECT_EQ(editor->Width(), asked.kept.width());
        EXPECT_EQ(editor->Height(), asked.kept.height());
    }
}

// Mounts of this program's own, made before any thread starts, so that a
// test can mount a small or a read-only file system that nothing outside sees
// and that goes with the program; unavailable where the program may not mount.
class OwnMounts : public testing::Environment {
public:
    void SetUp() override
    {
        available = unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }
    static inline bool available = false;
};
const testing::Environment* const ownMounts = testing::AddGlobalTestEnvironment(new OwnMounts);

// How a row makes the configuration folder in which the save fails: the
// system's reason that the message must give, nullptr when this machine
// cannot make such a folder.
using Make = const char* (*)(const fs::path& folder);
// Whether the place of the file is as the row left it after the failed save.
using Left = bool (*)(const fs::path& file);

struct FailedSaveCase {
    const char* what;
    Make make;
    bool opened;  // the file was opened or created, so the threshold changed
    bool written; // the values were written, so the music switch changed too
    Left left;
};

void PrintTo(const FailedSaveCase& c, std::ostream* out)
{
    *out << c.what;
}

const std::string OldBytes = "3FD0000000000000" "01" "00";

bool NoFile(const fs::path& file)
{
    return !fs::exists(fs::symlink_status(file));
}

bool MountTmpfs(const fs::path& folder, unsigned long flags)
{
    fs::create_directories(folder);
    return OwnMounts::available && mount("tmpfs", folder.c_str(), "tmpfs", flags, "size=16k") == 0;
}

const char* NoFolder(const fs::path& folder)
{
    fs::remove(folder.parent_path()); // a file where its parent folder would be
    return std::ofstream(folder.parent_path()) ? "the preferences folder cannot be made" : nullptr;
}

// Root writes wherever the permissions say no: it gets a read-only mount.
const char* ReadOnlyFolder(const fs::path& folder)
{
    if (MountTmpfs(folder, MS_RDONLY))
        return "Read-only file system";
    if (geteuid() == 0)
        return nullptr;
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    return "Permission denied";
}

// Full: a file takes every byte, and what is left is room for a new entry.
const char* FullFileSystem(const fs::path& folder)
{
    if (!MountTmpfs(folder, 0))
        return nullptr;
    std::ofstream(folder / "filler", std::ios::binary) << std::string(16 * 1024, 'x');
    return fs::file_size(folder / "filler") == 16 * 1024 ? "No space left on device" : nullptr;
}

// Saved once before, then made unwritable: a read-only mount of the file for root.
const char* UnwritableFile(const fs::path& folder)
{
    const fs::path file = folder / "NubrelloPrefs";
    fs::create_directories(folder);
    ::PreferencesFile::Create(*rb::New<rb::FolderItem>(file), {.ratio = 0.25, .preferred = true});
    if (geteuid() != 0) {
        fs::permissions(file, fs::perms::owner_read);
        return "Permission denied";
    }
    const bool mounted = OwnMounts::available && mount(file.c_str(), file.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
                         mount(nullptr, file.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    return mounted ? "Read-only file system" : nullptr;
}

const char* FolderInPlaceOfTheFile(const fs::path& folder)
{
    fs::create_directories(folder / "NubrelloPrefs");
    return "Is a directory";
}

const char* LinkIntoAMissingFolder(const fs::path& folder)
{
    fs::create_directories(folder);
    fs::create_symlink(folder / "missing" / "NubrelloPrefs", folder / "NubrelloPrefs");
    return "No such file or directory";
}

const FailedSaveCase FailedSaves[] = {
    {"no folder", NoFolder, false, false, NoFile},
    {"a read-only folder", ReadOnlyFolder, true, false, NoFile},
    {"a full file system", FullFileSystem, true, true, NoFile},
    {"a file that cannot be written", UnwritableFile, true, false,
     [](const fs::path& file) { return HexOf(file) == OldBytes; }},
    {"a folder in place of the file", FolderInPlaceOfTheFile, true, false,
     [](const fs::path& file) { return fs::is_directory(file) && fs::is_empty(file); }},
    {"a link into a missing folder", LinkIntoAMissingFolder, true, false,
     [](const fs::path& file) { return fs::is_symlink(file) && !fs::exists(file); }},
};

// OK where the preferences cannot be saved, in a game started with the
// configuration folder where they can.
class FailedSave : public PreferenceWindow, public testing::WithParamInterface<FailedSaveCase> {
protected:
    void SetUp() override
    {
        PreferenceWindow::SetUp();
        config_ = std::getenv("XDG_CONFIG_HOME");
        folder_ = fs::path(std::getenv("HOME")) / "failing" / "config";
        fs::remove_all(folder_.parent_path());
        fs::create_directories(folder_.parent_path());
        reason_ = GetParam().make(folder_);
        if (reason_ == nullptr)
            GTEST_SKIP() << "this machine cannot make " << GetParam().what;
    }

    void TearDown() override
    {
        umount2((folder_ / "NubrelloPrefs").c_str(), MNT_DETACH);
        umount2(folder_.c_str(), MNT_DETACH);
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, ignored);
        setenv("XDG_CONFIG_HOME", config_.c_str(), 1);
        PreferenceWindow::TearDown();
        fs::remove_all(folder_.parent_path());
    }

    // Starts the game, moves the configuration folder to the failing one, and
    // presses OK with 50 % and the music off.
    void PressOkWhereTheSaveFails()
    {
        StartGame();
        setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
        Fill(true, "50", true);
        PressButton("PushButton1");
    }

    // The message boxes that are up.
    static std::vector<QMessageBox*> Messages()
    {
        std::vector<QMessageBox*> boxes;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible())
                boxes.push_back(box);
        return boxes;
    }

    static void DismissMessages()
    {
        for (QMessageBox* box : Messages())
            box->accept();
        ProcessEvents();
    }

    std::string config_;
    fs::path folder_;
    const char* reason_ = nullptr; // what the message must say
};

TEST_P(FailedSave, TellsThePlayerWhyAndLeavesTheEditorOpen)
{
    const FailedSaveCase& c = GetParam();
    PressOkWhereTheSaveFails();
    const auto boxes = Messages();
    ASSERT_EQ(boxes.size(), 1u);
    const std::string text = boxes.front()->text().toStdString();
    EXPECT_NE(text.find("The preferences could not be saved"), std::string::npos) << text;
    EXPECT_NE(text.find("NubrelloPrefs"), std::string::npos) << text;
    EXPECT_NE(text.find(reason_), std::string::npos) << text;
    ASSERT_FALSE(Editor().IsNil());
    EXPECT_TRUE(Editor()->Visible());
    EXPECT_TRUE(App::Instance()->preferred);
    EXPECT_EQ(Module1::ratio, c.opened ? 0.5 : 0.0);
    EXPECT_EQ(App::Instance()->quiet, c.written);
    EXPECT_TRUE(c.left(folder_ / "NubrelloPrefs"));
}

TEST_P(FailedSave, OkSavesOnceTheFolderCanTakeTheFile)
{
    PressOkWhereTheSaveFails();
    DismissMessages();
    setenv("XDG_CONFIG_HOME", config_.c_str(), 1);
    PressButton("PushButton1");
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Editor().IsNil());
    EXPECT_EQ(FileHex(), "3FE0000000000000" "01" "01");
}

TEST_P(FailedSave, CancelStillClosesTheEditorAndShowsTheMainWindow)
{
    PressOkWhereTheSaveFails();
    DismissMessages();
    Window1::Instance()->Hide();
    PressButton("PushButton2");
    EXPECT_TRUE(Editor().IsNil());
    EXPECT_TRUE(MainWindowShown());
}

INSTANTIATE_TEST_SUITE_P(Where, FailedSave, testing::ValuesIn(FailedSaves),
                         [](const testing::TestParamInfo<FailedSaveCase>& info) {
                             std::string name;
                             for (const char* at = info.param.what; *at != '\0'; ++at)
                                 if (std::isalnum(static_cast<unsigned char>(*at)))
                                     name += *at;
                             return name;
                         });

} // namespace
