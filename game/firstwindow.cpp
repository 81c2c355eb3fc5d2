#include "firstwindow.h"

#include "Designs.h"
#include "PictureItems.h"
#include "Window1.h"

#include "rb/MsgBox.h"
#include "rb/PushButton.h"
#include "rb/Rectangle.h"
#include "rb/StaticText.h"
#include "rb/Text.h"

#include <array>

namespace {

std::string firstwindowProperties()
{
    return WindowProperties(
               {.width = 255, .height = 155, .frame = 8, .composite = true, .resizeable = true, .liveResize = true})
        .Bytes();
}

std::string Rectangle1Properties()
{
    return ControlProperties("Rectangle1", {.left = 9, .top = 11, .width = 237, .height = 133})
        .Color("FillColor", 0xFFFFFF)
        .Integer("BorderWidth", 1)
        .Color("TopLeftColor", 0x000000)
        .Color("BottomRightColor", 0x000000)
        .String("InitialParent", "")
        .Bytes();
}

// Three lines: the number box stands in the room the second line leaves.
const std::string Prompt = " I'd like to sort\r        (up to 42)\rfood items.";

std::string StaticText1Properties()
{
    return ControlProperties("StaticText1", {.left = 20, .top = 14, .width = 215, .height = 121, .tabIndex = 0})
        .String("Text", Prompt)
        .String("TextFont", "Kidprint Regular")
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false)
        .Integer("TextAlign", 0)
        .Color("TextColor", 0x000000)
        .Boolean("Multiline", true)
        .String("DataSource", "")
        .String("DataField", "")
        .String("InitialParent", "")
        .Bytes();
}

std::string TextArea1Properties()
{
    return ControlProperties("TextArea1", {.left = 33, .top = 52, .width = 61, .height = 41, .tabIndex = 0})
        .Boolean("TabStop", true)
        .String("Text", "")
        .String("TextFont", "Kidprint Regular")
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false)
        .Integer("Alignment", 2)
        .Color("TextColor", 0x000000)
        .Color("BackColor", 0xFFFFFF)
        .Boolean("Multiline", false)
        .Boolean("Border", true)
        .Boolean("ScrollbarHorizontal", false)
        .Boolean("ScrollbarVertical", false)
        .Boolean("Styled", true)
        .Boolean("UseFocusRing", true)
        .String("Format", "")
        .String("Mask", "")
        .Boolean("HideSelection", true)
        .Boolean("ReadOnly", false)
        .Integer("LimitText", 2)
        .Boolean("AcceptTabs", false)
        .String("DataSource", "")
        .String("DataField", "")
        .String("InitialParent", "StaticText1")
        .Bytes();
}

std::string PushButton1Properties()
{
    return ControlProperties("PushButton1", {.left = 160, .top = 106, .width = 75, .height = 20, .tabIndex = 1})
        .Boolean("TabStop", true)
        .String("Caption", "OK")
        .String("TextFont", "System")
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false)
        .Boolean("Default", true)
        .Boolean("Cancel", false)
        .String("InitialParent", "")
        .Bytes();
}

} // namespace

firstwindow::firstwindow() : rb::Window("firstwindow.firstwindow") {}

rb::Ref<firstwindow> firstwindow::Instance()
{
    return WindowInstance<firstwindow>("firstwindow.firstwindow");
}

rb::Ref<rb::TextArea> firstwindow::TextArea1()
{
    return rb::RuntimeWindowControlByName(rb::Ref<firstwindow>(this), "TextArea1").Cast<rb::TextArea>();
}

void firstwindow::Layout()
{
    Backdrop(frame1());
    rb::SetProperties(rb::Ref<firstwindow>(this), firstwindowProperties());
}

void firstwindow::CreateControls()
{
    CreateControls0();
}

void firstwindow::CreateControls0()
{
    const rb::Ref<firstwindow> self(this);

    auto rectangle = NewControl<rb::Rectangle>();
    rectangle->Constructor();
    AddControl("Rectangle1", rectangle);
    rb::SetProperties(rb::RuntimeWindowControlByName(self, "Rectangle1"), Rectangle1Properties());

    auto prompt = NewControl<rb::StaticText>();
    prompt->Constructor();
    AddControl("StaticText1", prompt);
    auto text = rb::RuntimeWindowControlByName(self, "StaticText1").Cast<rb::StaticText>();
    text->TextSize(36);
    text->TextUnit(0);
    rb::SetProperties(text, StaticText1Properties());

    auto number = NewControl<rb::TextArea>();
    number->Constructor();
    AddControl("TextArea1", number);
    auto area = rb::RuntimeWindowControlByName(self, "TextArea1").Cast<rb::TextArea>();
    area->TextSize(36);
    area->TextUnit(0);
    rb::SetProperties(area, TextArea1Properties());

    auto ok = NewControl<rb::PushButton>();
    ok->Constructor();
    AddControl("PushButton1", ok);
    auto button = rb::RuntimeWindowControlByName(self, "PushButton1").Cast<rb::PushButton>();
    button->TextUnit(0);
    rb::SetProperties(button, PushButton1Properties());

    rb::InstallInstanceEventHandler(
        area, "KeyDown", rb::RuntimeCreateDelegate(this, &firstwindow::TextArea1_KeyDown, "( String ) as Boolean"));
    rb::InstallInstanceEventHandler(button, "Action",
                                    rb::RuntimeCreateDelegate(this, &firstwindow::PushButton1_Action, "(  )"));
}

bool firstwindow::TextArea1_KeyDown(const std::string& key)
{
    for (std::int32_t code = 48; code <= 57; ++code) {
        if (key == rb::Chr(code))
            return false;
    }
    for (const std::int32_t code : {8, 13, 3}) {
        if (key == rb::Chr(code))
            return false;
    }
    return true;
}

void firstwindow::PushButton1_Action()
{
    const double v = rb::Val(TextArea1()->Text());
    if (v > 42.0 || v < 1.0) {
        rb::MsgBox("Please choose a number between 1 and 42.");
        return;
    }
    Window1::Instance()->howmany = rb::DoubleToInteger(v);
    Close();
}
