#include "preferencewindow.h"

#include "App.h"
#include "Designs.h"
#include "Module1.h"
#include "PreferencesFile.h"
#include "Window1.h"

#include "rb/BinaryStream.h"
#include "rb/CheckBox.h"
#include "rb/GroupBox.h"
#include "rb/MsgBox.h"
#include "rb/PushButton.h"
#include "rb/StaticText.h"
#include "rb/Text.h"
#include "rb/TextField.h"

#include <system_error>

namespace {

std::string SystemReason(int errorCode)
{
    return std::generic_category().message(errorCode);
}

void ReportUnsaved(const std::string& file, const std::string& reason)
{
    rb::MsgBox("The preferences could not be saved in \"" + file + "\": " + reason + ".");
}

} // namespace

preferencewindow::preferencewindow() : rb::Window("preferencewindow.preferencewindow") {}

rb::Ref<preferencewindow> preferencewindow::Instance()
{
    return WindowInstance<preferencewindow>("preferencewindow.preferencewindow");
}

void preferencewindow::Layout()
{
    DesignWindow(*this, {.width = 299,
                         .height = 236,
                         .frame = 1,
                         .title = "Preferences",
                         .resizeable = true,
                         .liveResize = true});
}

void preferencewindow::CreateControls()
{
    CreateControls0();
}

void preferencewindow::CreateControls0()
{
    MakeControl<rb::StaticText>(
        *this, "StaticText1",
        {.place = {.left = 20, .top = 12, .width = 259, .height = 82, .tabIndex = 0},
         .text = "You may determine at which percentage of correct answers the applause will play at the end of the "
                 "game, or whether you want the applause always to play. Default is always.",
         .textAlign = 1,
         .multiline = true});
    MakeControl<rb::GroupBox>(*this, "GroupBox1",
                              {.place = {.left = 20, .top = 106, .width = 259, .height = 78, .tabIndex = 6}});
    MakeControl<rb::StaticText>(
        *this, "StaticText2",
        {.place = {.left = 65, .top = 138, .width = 169, .height = 18, .tabIndex = 3, .parent = "GroupBox1"},
         .text = "answers are correct.",
         .textAlign = 1,
         .multiline = true});
    MakeControl<rb::TextField>(
        *this, "TextField1",
        {.place = {.left = 183, .top = 114, .width = 31, .height = 22, .tabIndex = 9, .parent = "GroupBox1"}});
    auto applause = MakeControl<rb::CheckBox>(
        *this, "checkapplause",
        {.place = {.left = 33, .top = 115, .width = 148, .height = 20, .tabIndex = 5, .parent = "GroupBox1"},
         .caption = "Play applause when"});
    Bind(applause, "Open", this, &preferencewindow::checkapplause_Open, "(  )");
    MakeControl<rb::StaticText>(
        *this, "StaticText3",
        {.place = {.left = 221, .top = 115, .width = 54, .height = 20, .tabIndex = 10, .parent = "GroupBox1"},
         .text = "% of the"});
    auto music = MakeControl<rb::CheckBox>(
        *this, "checkmusic",
        {.place = {.left = 33, .top = 157, .width = 132, .height = 20, .tabIndex = 11, .parent = "GroupBox1"},
         .caption = "Don't play music"});
    Bind(music, "Open", this, &preferencewindow::checkmusic_Open, "(  )");
    auto ok = MakeControl<rb::PushButton>(
        *this, "PushButton1",
        {.place = {.left = 199, .top = 196, .width = 80, .height = 20, .tabIndex = 7},
         .caption = "OK",
         .isDefault = true});
    Bind(ok, "Action", this, &preferencewindow::PushButton1_Action, "(  )");
    auto cancel = MakeControl<rb::PushButton>(
        *this, "PushButton2",
        {.place = {.left = 107, .top = 196, .width = 80, .height = 20, .tabIndex = 8},
         .caption = "Cancel",
         .isCancel = true});
    Bind(cancel, "Action", this, &preferencewindow::PushButton2_Action, "(  )");
}

// The field shows the threshold as the percentage it was typed as.
void preferencewindow::checkapplause_Open()
{
    if (Module1::ratio > 0.0) {
        ControlNamed<rb::CheckBox>(*this, "checkapplause")->Value(true);
        ControlNamed<rb::TextField>(*this, "TextField1")->Text(rb::Str(Module1::ratio / 0.01));
    }
}

void preferencewindow::checkmusic_Open()
{
    if (App::Instance()->quiet)
        ControlNamed<rb::CheckBox>(*this, "checkmusic")->Value(true);
}

// The settings change in memory as they are saved: the saved mark first,
// the threshold once the file has been opened or has failed to open, the
// music switch once it is open. A save that fails tells the player why and
// leaves the editor open for another try; a file it made is removed, so that
// the next start is as before.
void preferencewindow::PushButton1_Action()
{
    const rb::Ref<App> app = App::Instance();
    app->preferred = true;
    const rb::Ref<rb::FolderItem> file = PreferencesFile::Item();
    if (file.IsNil()) {
        ReportUnsaved(PreferencesFile::Name, "the preferences folder cannot be made");
        return;
    }
    const bool existed = file->Exists();
    const rb::Ref<rb::BinaryStream> stream =
        existed ? file->OpenAsBinaryFile(true) : file->CreateBinaryFile(PreferencesFile::FileType);
    Module1::ratio = TypedThreshold();
    if (stream.IsNil()) {
        ReportUnsaved(file->Path().string(), SystemReason(file->LastErrorCode()));
        return;
    }
    app->quiet = ControlNamed<rb::CheckBox>(*this, "checkmusic")->Value();
    PreferencesFile::Write(*stream, {Module1::ratio, app->preferred, app->quiet});
    stream->Close();
    if (stream->LastErrorCode() == 0) {
        Close();
        return;
    }
    if (!existed)
        file->Delete();
    ReportUnsaved(file->Path().string(), SystemReason(stream->LastErrorCode()));
}

// The percentage typed, as a fraction, when the applause box is ticked.
double preferencewindow::TypedThreshold()
{
    if (!ControlNamed<rb::CheckBox>(*this, "checkapplause")->Value())
        return 0.0;
    return rb::Val(ControlNamed<rb::TextField>(*this, "TextField1")->Text()) * 0.01;
}

void preferencewindow::PushButton2_Action()
{
    Window1::Instance()->Show();
    Close();
}
