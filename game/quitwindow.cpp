#include "quitwindow.h"

#include "Designs.h"
#include "Window1.h"

#include "rb/PushButton.h"
#include "rb/Runtime.h"
#include "rb/StaticText.h"
#include "rb/Text.h"

#include <string>

quitwindow::quitwindow() : rb::Window("quitwindow.quitwindow") {}

rb::Ref<quitwindow> quitwindow::Instance()
{
    return WindowInstance<quitwindow>("quitwindow.quitwindow");
}

void quitwindow::Layout()
{
    DesignWindow(*this, {.width = 281, .height = 80, .frame = 2, .closeButton = false, .minimizeButton = false});
}

void quitwindow::CreateControls()
{
    CreateControls0();
}

void quitwindow::CreateControls0()
{
    MakeControl<rb::StaticText>(
        *this, "StaticText1",
        {.place = {.left = 20,
                   .top = 14,
                   .width = 241,
                   .height = 16,
                   .tabIndex = 0,
                   .lockLeft = true,
                   .lockTop = true,
                   .lockRight = true},
         .text = "Are you sure you want to quit?",
         .textAlign = 1});
    auto count = MakeControl<rb::StaticText>(
        *this, "StaticText2",
        {.place = {.left = 20, .top = 34, .width = 241, .height = 14, .tabIndex = 1, .visible = false},
         .textAlign = 1});
    Bind(count, "Open", this, &quitwindow::StaticText2_Open, "(  )");
    auto quit = MakeControl<rb::PushButton>(
        *this, "PushButton1",
        {.place = {.left = 181, .top = 40, .width = 80, .height = 20, .tabIndex = 2, .lockBottom = true},
         .caption = "Quit",
         .isDefault = true});
    Bind(quit, "Action", this, &quitwindow::PushButton1_Action, "(  )");
    auto cancel = MakeControl<rb::PushButton>(
        *this, "PushButton2",
        {.place = {.left = 83, .top = 40, .width = 80, .height = 20, .tabIndex = 3, .lockBottom = true},
         .caption = "Cancel",
         .isCancel = true});
    Bind(cancel, "Action", this, &quitwindow::PushButton2_Action, "(  )");
}

void quitwindow::StaticText2_Open()
{
    const auto window = Window1::Instance();
    const std::int32_t n = window->howmany - window->c;
    if (n <= 0)
        return;
    auto line = ControlNamed<rb::StaticText>(*this, "StaticText2");
    if (n > 1)
        line->Text("You have " + rb::Str(n) + " food items left to sort.");
    else
        line->Text("You have 1 food item left to sort.");
    Height(100);
    line->Visible(true);
}

void quitwindow::PushButton1_Action()
{
    Window1::Instance()->shutdown = true;
    rb::Quit(0);
}

void quitwindow::PushButton2_Action()
{
    Close();
}
