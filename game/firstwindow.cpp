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

// Three lines: the number box stands in the room the second line leaves.
const std::string Prompt = " I'd like to sort\r        (up to 42)\rfood items.";

} // namespace

firstwindow::firstwindow() : rb::Window("firstwindow.firstwindow") {}

rb::Ref<firstwindow> firstwindow::Instance()
{
    return WindowInstance<firstwindow>("firstwindow.firstwindow");
}

rb::Ref<rb::TextArea> firstwindow::TextArea1()
{
    return ControlNamed<rb::TextArea>(*this, "TextArea1");
}

void firstwindow::Layout()
{
    Backdrop(frame1());
    DesignWindow(*this, {.width = 255,
                         .height = 155,
                         .frame = 8,
                         .composite = true,
                         .resizeable = true,
                         .liveResize = true});
}

void firstwindow::CreateControls()
{
    CreateControls0();
}

// The handlers are bound once every control is made.
void firstwindow::CreateControls0()
{
    MakeControl<rb::Rectangle>(*this, "Rectangle1", {.place = {.left = 9, .top = 11, .width = 237, .height = 133}});
    MakeControl<rb::StaticText>(
        *this, "StaticText1",
        {.place = {.left = 20, .top = 14, .width = 215, .height = 121, .tabIndex = 0},
         .text = Prompt,
         .font = "Kidprint Regular",
         .textSize = 36,
         .multiline = true});
    auto area = MakeControl<rb::TextArea>(
        *this, "TextArea1",
        {.place = {.left = 33, .top = 52, .width = 61, .height = 41, .tabIndex = 0, .parent = "StaticText1"},
         .font = "Kidprint Regular",
         .textSize = 36,
         .alignment = 2,
         .limitText = 2});
    auto button = MakeControl<rb::PushButton>(
        *this, "PushButton1",
        {.place = {.left = 160, .top = 106, .width = 75, .height = 20, .tabIndex = 1},
         .caption = "OK",
         .isDefault = true});
    Bind(area, "KeyDown", this, &firstwindow::TextArea1_KeyDown, "( String ) as Boolean");
    Bind(button, "Action", this, &firstwindow::PushButton1_Action, "(  )");
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
