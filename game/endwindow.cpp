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

namespace {

std::string endwindowProperties()
{
    return WindowProperties({.width = 298, .height = 134, .frame = 1, .title = "We're out of food!"}).Bytes();
}

std::string Canvas1Properties()
{
    return ControlProperties("Canvas1", {.left = 20, .top = 14, .width = 58, .height = 100, .tabIndex = 0})
        .Boolean("TabStop", true)
        .Boolean("UseFocusRing", true)
        .Boolean("AcceptFocus", false)
        .Boolean("AcceptTabs", false)
        .Boolean("DoubleBuffer", false)
        .Boolean("EraseBackground", true)
        .String("InitialParent", "")
        .Bytes();
}

std::string StaticText1Properties()
{
    return ControlProperties("StaticText1", {.left = 92, .top = 14, .width = 174, .height = 54, .tabIndex = 1})
        .String("Text", "Untitled")
        .String("TextFont", "System")
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false)
        .Integer("TextAlign", 1)
        .Color("TextColor", 0x000000)
        .Boolean("Multiline", true)
        .String("DataSource", "")
        .String("DataField", "")
        .String("InitialParent", "")
        .Bytes();
}

std::string ButtonProperties(const std::string& name, const ControlDesign& design, const std::string& caption)
{
    return ControlProperties(name, design)
        .Boolean("TabStop", true)
        .String("Caption", caption)
        .String("TextFont", "System")
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false)
        .Boolean("Default", false)
        .Boolean("Cancel", false)
        .String("InitialParent", "")
        .Bytes();
}

} // namespace

endwindow::endwindow() : rb::Window("endwindow.endwindow") {}

rb::Ref<endwindow> endwindow::Instance()
{
    return WindowInstance<endwindow>("endwindow.endwindow");
}

void endwindow::Layout()
{
    rb::SetProperties(rb::Ref<endwindow>(this), endwindowProperties());
}

void endwindow::CreateControls()
{
    CreateControls0();
}

void endwindow::CreateControls0()
{
    const rb::Ref<endwindow> self(this);

    auto canvas = NewControl<rb::Canvas>();
    canvas->Constructor();
    AddControl("Canvas1", canvas);
    auto icon = rb::RuntimeWindowControlByName(self, "Canvas1").Cast<rb::Canvas>();
    rb::SetProperties(icon, Canvas1Properties());
    rb::InstallInstanceEventHandler(icon, "Paint",
                                    rb::RuntimeCreateDelegate(this, &endwindow::Canvas1_Paint, "( Graphics )"));

    auto label = NewControl<rb::StaticText>();
    label->Constructor();
    AddControl("StaticText1", label);
    auto text = rb::RuntimeWindowControlByName(self, "StaticText1").Cast<rb::StaticText>();
    text->TextUnit(0);
    rb::SetProperties(text, StaticText1Properties());
    rb::InstallInstanceEventHandler(text, "Open",
                                    rb::RuntimeCreateDelegate(this, &endwindow::StaticText1_Open, "(  )"));

    auto quit = NewControl<rb::PushButton>();
    quit->Constructor();
    AddControl("PushButton1", quit);
    auto quitButton = rb::RuntimeWindowControlByName(self, "PushButton1").Cast<rb::PushButton>();
    quitButton->TextUnit(0);
    rb::SetProperties(quitButton,
                      ButtonProperties("PushButton1", {.left = 198, .top = 94, .width = 80, .height = 20, .tabIndex = 2},
                                       "Quit"));
    rb::InstallInstanceEventHandler(quitButton, "Action",
                                    rb::RuntimeCreateDelegate(this, &endwindow::PushButton1_Action, "(  )"));

    auto again = NewControl<rb::PushButton>();
    again->Constructor();
    AddControl("PushButton2", again);
    auto againButton = rb::RuntimeWindowControlByName(self, "PushButton2").Cast<rb::PushButton>();
    againButton->TextUnit(0);
    rb::SetProperties(againButton,
                      ButtonProperties("PushButton2", {.left = 92, .top = 94, .width = 88, .height = 20, .tabIndex = 3},
                                       "New Game"));
    rb::InstallInstanceEventHandler(againButton, "Action",
                                    rb::RuntimeCreateDelegate(this, &endwindow::PushButton2_Action, "(  )"));
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
    auto text = rb::RuntimeWindowControlByName(rb::Ref<endwindow>(this), "StaticText1").Cast<rb::StaticText>();
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
