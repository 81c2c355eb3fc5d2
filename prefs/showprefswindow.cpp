#include "showprefswindow.h"

#include "Designs.h"
#include "Module1.h"
#include "PictureItems.h"

#include "rb/PropertyList.h"
#include "rb/StaticText.h"
#include "rb/System.h"
#include "rb/Text.h"

namespace {

std::string WindowProperties()
{
    return rb::PropertyList()
        .Integer("Placement", 0)
        .Integer("Width", 125)
        .Integer("Height", 64)
        .Integer("MinWidth", 64)
        .Integer("MinHeight", 64)
        .Integer("MaxWidth", 32000)
        .Integer("MaxHeight", 32000)
        .Integer("Frame", 10)
        .Boolean("Composite", false)
        .Boolean("HasBackColor", true)
        .Color("BackColor", 0xFFFFFF)
        .String("Title", "Untitled")
        .Boolean("Visible", true)
        .Boolean("FullScreen", false)
        .Boolean("MenuBarVisible", true)
        .Boolean("CloseButton", true)
        .Boolean("Resizeable", false)
        .Boolean("LiveResize", false)
        .Boolean("MaximizeButton", false)
        .Boolean("MinimizeButton", false)
        .Integer("MacProcID", 0)
        .Bytes();
}

std::string StaticText1Properties()
{
    return rb::PropertyList()
        .Integer("Index", rb::Control::NoIndex)
        .Integer("Left", 0)
        .Integer("Top", 2)
        .Integer("Width", 116)
        .Integer("Height", 60)
        .String("TextFont", "Kidprint Regular")
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false)
        .String("Text", "")
        .Integer("TextAlign", 2)
        .Color("TextColor", 0x000000)
        .Boolean("Multiline", false)
        .Boolean("LockLeft", true)
        .Boolean("LockTop", false)
        .Boolean("LockRight", false)
        .Boolean("LockBottom", false)
        .Boolean("TabStop", true)
        .Integer("TabIndex", 0)
        .Integer("TabPanelIndex", 0)
        .Boolean("Enabled", true)
        .Boolean("Visible", true)
        .Boolean("AutoDeactivate", true)
        .String("HelpTag", "")
        .String("DataSource", "")
        .String("DataField", "")
        .Bytes();
}

} // namespace

showprefswindow::showprefswindow() : rb::Window("showprefswindow.showprefswindow") {}

rb::Ref<showprefswindow> showprefswindow::Instance()
{
    return WindowInstance<showprefswindow>("showprefswindow.showprefswindow");
}

void showprefswindow::Layout()
{
    Backdrop(NubrelloIcon());
    rb::SetProperties(rb::Ref<rb::Window>(this), WindowProperties());
}

void showprefswindow::CreateControls()
{
    CreateControls0();
}

void showprefswindow::CreateControls0()
{
    auto control = NewControl<rb::StaticText>();
    control->Constructor();
    AddControl("StaticText1", control);
    auto text = rb::RuntimeWindowControlByName(rb::Ref<rb::Window>(this), "StaticText1").Cast<rb::StaticText>();
    text->TextSize(36);
    text->TextUnit(0);
    rb::SetProperties(text, StaticText1Properties());
}

// The last two characters of the threshold's text form, a lone decimal
// digit padded with "0": 0.75 shows "75%", 0.5 "50%", 1 "100%".
void showprefswindow::Event_Activate()
{
    std::string t = rb::Str(Module1::ratio);
    std::string shown;
    if (t == "1") {
        shown = "100%";
    } else {
        if (rb::Left(rb::Right(t, 2), 1) == ".")
            t += "0";
        shown = rb::Right(t, 2) + "%";
    }
    rb::RuntimeWindowControlByName(rb::Ref<rb::Window>(this), "StaticText1").Cast<rb::StaticText>()->Text(shown);
}

bool showprefswindow::Event_MouseDown(std::int32_t, std::int32_t)
{
    return true;
}

void showprefswindow::Event_MouseUp(std::int32_t, std::int32_t)
{
    Hide();
}

void showprefswindow::Event_MouseEnter()
{
    MouseCursor(rb::System::Cursors().FingerPointer);
}
