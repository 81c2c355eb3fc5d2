#include "preferencewindow.h"

#include "Designs.h"
#include "App.h"
#include "Module1.h"
#include "Window1.h"

#include "rb/BinaryStream.h"
#include "rb/CheckBox.h"
#include "rb/GroupBox.h"
#include "rb/PropertyList.h"
#include "rb/PushButton.h"
#include "rb/SpecialFolder.h"
#include "rb/StaticText.h"
#include "rb/Text.h"
#include "rb/TextField.h"

namespace {

std::string WindowProperties()
{
    return rb::PropertyList()
        .Integer("Placement", 0)
        .Integer("Width", 299)
        .Integer("Height", 236)
        .Integer("MinWidth", 64)
        .Integer("MinHeight", 64)
        .Integer("MaxWidth", 32000)
        .Integer("MaxHeight", 32000)
        .Integer("Frame", 1)
        .Boolean("Composite", false)
        .Boolean("HasBackColor", false)
        .Color("BackColor", 0xFFFFFF)
        .String("Title", "Preferences")
        .Boolean("Visible", true)
        .Boolean("FullScreen", false)
        .Boolean("MenuBarVisible", true)
        .Boolean("CloseButton", true)
        .Boolean("Resizeable", true)
        .Boolean("LiveResize", true)
        .Boolean("MaximizeButton", false)
        .Boolean("MinimizeButton", true)
        .Integer("MacProcID", 0)
        .Bytes();
}

// What every control of the editor shares: its place and parent, no locks,
// enabled, visible, and the system font in plain style.
rb::PropertyList Placed(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                        std::string_view parent, std::int32_t tabIndex)
{
    rb::PropertyList list;
    list.Integer("Index", rb::Control::NoIndex)
        .Integer("Left", left)
        .Integer("Top", top)
        .Integer("Width", width)
        .Integer("Height", height)
        .Boolean("LockLeft", false)
        .Boolean("LockTop", false)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false)
        .String("InitialParent", parent)
        .Integer("TabPanelIndex", 0)
        .Integer("TabIndex", tabIndex)
        .Boolean("Visible", true)
        .Boolean("Enabled", true)
        .Boolean("AutoDeactivate", true)
        .String("HelpTag", "")
        .String("TextFont", "System")
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false);
    return list;
}

std::string Label(rb::PropertyList list, std::string_view text, bool multiline, std::int32_t align)
{
    return list.String("Text", text)
        .Boolean("Multiline", multiline)
        .Integer("TextAlign", align)
        .Color("TextColor", 0x000000)
        .String("DataSource", "")
        .String("DataField", "")
        .Bytes();
}

std::string StaticText1Properties()
{
    return Label(Placed(20, 12, 259, 82, "", 0),
                 "You may determine at which percentage of correct answers the applause will play at the end of "
                 "the game, or whether you want the applause always to play. Default is always.",
                 true, 1);
}

std::string GroupBox1Properties()
{
    return Placed(20, 106, 259, 78, "", 6).String("Caption", "").Bytes();
}

std::string StaticText2Properties()
{
    return Label(Placed(65, 138, 169, 18, "GroupBox1", 3), "answers are correct.", true, 1);
}

std::string TextField1Properties()
{
    return Placed(183, 114, 31, 22, "GroupBox1", 9)
        .Boolean("TabStop", true)
        .String("Text", "")
        .Boolean("Border", true)
        .Integer("Alignment", 0)
        .Integer("LimitText", 0)
        .Boolean("Password", false)
        .Boolean("ReadOnly", false)
        .Boolean("AcceptTabs", false)
        .Boolean("UseFocusRing", true)
        .Color("TextColor", 0x000000)
        .Color("BackColor", 0xFFFFFF)
        .String("Format", "")
        .String("Mask", "")
        .String("CueText", "")
        .String("DataSource", "")
        .String("DataField", "")
        .Bytes();
}

std::string Box(rb::PropertyList list, std::string_view caption)
{
    return list.Boolean("TabStop", true)
        .String("Caption", caption)
        .Boolean("Value", false)
        .Integer("State", 0)
        .String("DataSource", "")
        .String("DataField", "")
        .Bytes();
}

std::string checkapplauseProperties()
{
    return Box(Placed(33, 115, 148, 20, "GroupBox1", 5), "Play applause when");
}

std::string StaticText3Properties()
{
    return Label(Placed(221, 115, 54, 20, "GroupBox1", 10), "% of the", false, 0);
}

std::string checkmusicProperties()
{
    return Box(Placed(33, 157, 132, 20, "GroupBox1", 11), "Don't play music");
}

std::string Button(rb::PropertyList list, std::string_view caption, bool isDefault, bool isCancel)
{
    return list.Boolean("TabStop", true)
        .String("Caption", caption)
        .Boolean("Default", isDefault)
        .Boolean("Cancel", isCancel)
        .Bytes();
}

std::string PushButton1Properties()
{
    return Button(Placed(199, 196, 80, 20, "", 7), "OK", true, false);
}

std::string PushButton2Properties()
{
    return Button(Placed(107, 196, 80, 20, "", 8), "Cancel", false, true);
}

} // namespace

preferencewindow::preferencewindow() : rb::Window("preferencewindow.preferencewindow") {}

rb::Ref<preferencewindow> preferencewindow::Instance()
{
    return WindowInstance<preferencewindow>("preferencewindow.preferencewindow");
}

void preferencewindow::Layout()
{
    rb::SetProperties(rb::Ref<rb::Window>(this), WindowProperties());
}

void preferencewindow::CreateControls()
{
    CreateControls0();
}

template <class T>
rb::Ref<T> preferencewindow::ControlNamed(const std::string& name)
{
    return rb::RuntimeWindowControlByName(rb::Ref<rb::Window>(this), name).Cast<T>();
}

template <class T>
rb::Ref<T> preferencewindow::MakeControl(const std::string& name, const std::string& properties)
{
    auto control = NewControl<T>();
    control->Constructor();
    AddControl(name, control);
    auto made = ControlNamed<T>(name);
    made->TextUnit(0);
    rb::SetProperties(made, properties);
    return made;
}

void preferencewindow::CreateControls0()
{
    MakeControl<rb::StaticText>("StaticText1", StaticText1Properties());
    MakeControl<rb::GroupBox>("GroupBox1", GroupBox1Properties());
    MakeControl<rb::StaticText>("StaticText2", StaticText2Properties());
    MakeControl<rb::TextField>("TextField1", TextField1Properties());
    auto applause = MakeControl<rb::CheckBox>("checkapplause", checkapplauseProperties());
    rb::InstallInstanceEventHandler(
        applause, "Open", rb::RuntimeCreateDelegate(this, &preferencewindow::checkapplause_Open, "(  )"));
    MakeControl<rb::StaticText>("StaticText3", StaticText3Properties());
    auto music = MakeControl<rb::CheckBox>("checkmusic", checkmusicProperties());
    rb::InstallInstanceEventHandler(music, "Open",
                                    rb::RuntimeCreateDelegate(this, &preferencewindow::checkmusic_Open, "(  )"));
    auto ok = MakeControl<rb::PushButton>("PushButton1", PushButton1Properties());
    rb::InstallInstanceEventHandler(
        ok, "Action", rb::RuntimeCreateDelegate(this, &preferencewindow::PushButton1_Action, "(  )"));
    auto cancel = MakeControl<rb::PushButton>("PushButton2", PushButton2Properties());
    rb::InstallInstanceEventHandler(
        cancel, "Action", rb::RuntimeCreateDelegate(this, &preferencewindow::PushButton2_Action, "(  )"));
}

// The field shows the threshold as the percentage it was typed as.
void preferencewindow::checkapplause_Open()
{
    if (Module1::ratio > 0.0) {
        ControlNamed<rb::CheckBox>("checkapplause")->Value(true);
        ControlNamed<rb::TextField>("TextField1")->Text(rb::Str(Module1::ratio / 0.01));
    }
}

void preferencewindow::checkmusic_Open()
{
    if (App::Instance()->quiet)
        ControlNamed<rb::CheckBox>("checkmusic")->Value(true);
}

// A nil folder, item or stream stops the handler with the nil-object
// exception before anything is written and leaves the editor open. The file
// is overwritten from its start and never shortened; write errors are not
// examined.
void preferencewindow::PushButton1_Action()
{
    const rb::Ref<App> app = App::Instance();
    app->preferred = true;
    const rb::Ref<rb::FolderItem> file = rb::SpecialFolder::Preferences()->Child("NubrelloPrefs");
    const rb::Ref<rb::BinaryStream> stream =
        file->Exists() ? file->OpenAsBinaryFile(true) : file->CreateBinaryFile("NBstream");
    if (ControlNamed<rb::CheckBox>("checkapplause")->Value())
        Module1::ratio = rb::Val(ControlNamed<rb::TextField>("TextField1")->Text()) * 0.01;
    else
        Module1::ratio = 0.0;
    stream->Position(0);
    stream->WriteDouble(Module1::ratio);
    stream->WriteBoolean(app->preferred);
    app->quiet = ControlNamed<rb::CheckBox>("checkmusic")->Value();
    stream->WriteBoolean(app->quiet);
    stream->Close();
    Close();
}

void preferencewindow::PushButton2_Action()
{
    Window1::Instance()->Show();
    Close();
}
