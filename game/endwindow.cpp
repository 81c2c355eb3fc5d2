#include "endwindow.h"

#include "Designs.h"
#include "Module1.h"
#include "PictureItems.h"
#include "SoundItems.h"
#include "Window1.h"

#include "rb/Canvas.h"
#include "rb/PushButton.h"
#include "rb/Runtime.h"
#include "rb/StaticText.h"
#include "rb/Text.h"

#include <string>

endwindow::endwindow() : rb::Window("endwindow.endwindow") {}

rb::Ref<endwindow> endwindow::Instance()
{
    return WindowInstance<endwindow>("endwindow.endwindow");
}

void endwindow::Layout()
{
    DesignWindow(*this, {.width = 298, .height = 134, .frame = 1, .title = "We're out of food!"});
}

void endwindow::CreateControls()
{
    CreateControls0();
}

void endwindow::CreateControls0()
{
    auto icon = MakeControl<rb::Canvas>(*this, "Canvas1",
                                        {.place = {.left = 20, .top = 14, .width = 58, .height = 100, .tabIndex = 0}});
    Bind(icon, "Paint", this, &endwindow::Canvas1_Paint, "( Graphics )");
    auto text = MakeControl<rb::StaticText>(
        *this, "StaticText1",
        {.place = {.left = 92, .top = 14, .width = 174, .height = 54, .tabIndex = 1},
         .text = "Untitled",
         .textAlign = 1,
         .multiline = true});
    Bind(text, "Open", this, &endwindow::StaticText1_Open, "(  )");
    auto quit = MakeControl<rb::PushButton>(
        *this, "PushButton1",
        {.place = {.left = 198, .top = 94, .width = 80, .height = 20, .tabIndex = 2}, .caption = "Quit"});
    Bind(quit, "Action", this, &endwindow::PushButton1_Action, "(  )");
    auto again = MakeControl<rb::PushButton>(
        *this, "PushButton2",
        {.place = {.left = 92, .top = 94, .width = 88, .height = 20, .tabIndex = 3}, .caption = "New Game"});
    Bind(again, "Action", this, &endwindow::PushButton2_Action, "(  )");
}

void endwindow::Canvas1_Paint(rb::Ref<rb::Graphics> g)
{
    auto copy = rb::New<rb::Picture>(NubrelloIcon()->Width(), NubrelloIcon()->Height(), 32);
    copy->Mask(true)->Graphics()->DrawPicture(NubrelloIcon()->Mask(true), 0, 0);
    copy->Graphics()->DrawPicture(NubrelloIcon(), 0, 0);
    if (!g.IsNil())
        g->DrawPicture(copy, 0, 0);
}

// Applause unless the threshold is above the share of right answers; with
// no items chosen the share is not a number or infinite, and applause plays.
void endwindow::StaticText1_Open()
{
    const auto window = Window1::Instance();
    const std::string score = window->StaticText1()->Text();
    auto text = ControlNamed<rb::StaticText>(*this, "StaticText1");
    text->Text("You got a score of " + rb::Chr(13) + score + " out of " + rb::Str(window->howmany) + "!");
    const double fraction = rb::Val(score) / static_cast<double>(window->howmany);
    if (!(Module1::ratio > fraction))
        children()->Play();
}

void endwindow::PushButton1_Action()
{
    rb::Quit(0);
}

void endwindow::PushButton2_Action()
{
    Window1::Instance()->FileNew_Action();
    Close();
}
