#include "quitwindow.h"

#include "Designs.h"
#include "Window1.h"

#include "rb/PushButton.h"
#include "rb/Runtime.h"
#include "rb/StaticText.h"
#include "rb/Text.h"

#include <string>

namespace {

std::string quitwindowProperties()
{
    return WindowProperties({.width = 281, .height = 80, .frame = 2, .closeButton = false, .minimizeButton = false})
        .Bytes();
}

std::string LineProperties(const std::string& name, const ControlDesign& design, const std::string& text)
{
    return ControlProperties(name, design)
        .String("Text", text)
        .String("TextFont", "System")
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false)
        .Integer("TextAlign", 1)
        .Color("TextColor", 0x000000)
        .Boolean("Multiline", false)
        .String("DataSource", "")
        .String("DataField", "")
        .String("InitialParent", "")
        .Bytes();
}

std::string ButtonProperties(const std::string& name, const ControlDesign& design, const std::string& caption,
                             bool isDefault)
{
    return ControlProperties(name, design)
        .Boolean("TabStop", true)
        .String("Caption", caption)
        .String("TextFont", "System")
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false)
        .Boolean("Default", isDefault)
        .Boolean("Cancel", !isDefault)
        .String("InitialParent", "")
        .Bytes();
}

} // namespace

quitwindow::quitwindow() : rb::Window("quitwindow.quitwindow") {}

rb::Ref<quitwindow> quitwindow::Instance()
{
    return WindowInstance<quitwindow>("quitwindow.quitwindow");
}

void quitwindow::Layout()
{
    rb::SetProperties(rb::Ref<quitwindow>(this), quitwindowProperties());
}

void quitwindow::CreateControls()
{
    CreateControls0();
}

void quitwindow::CreateControls0()
{
    const rb::Ref<quitwindow> self(this);

    auto question = NewControl<rb::StaticText>();
    question->Constructor();
    AddControl("StaticText1", question);
    auto line1 = rb::RuntimeWindowControlByName(self, "StaticText1").Cast<rb::StaticText>();
    line1->TextUnit(0);
    rb::SetProperties(line1, LineProperties("StaticText1",
                                            {.left = 20,
                                             .top = 14,
                                             .width = 241,
                                             .height = 16,
                                             .tabIndex = 0,
                                             .lockLeft = true,
                                             .lockTop = true,
                                             .lockRight = true},
                                            "Are you sure you want to quit?"));

    auto count = NewControl<rb::StaticText>();
    count->Constructor();
    AddControl("StaticText2", count);
    auto line2 = rb::RuntimeWindowControlByName(self, "StaticText2").Cast<rb::StaticText>();
    line2->TextUnit(0);
    rb::SetProperties(line2, LineProperties("StaticText2",
                                            {.left = 20, .top = 34, .width = 241, .height = 14, .tabIndex = 1,
                                             .visible = false},
                                            ""));
    rb::InstallInstanceEventHandler(line2, "Open",
                                    rb::RuntimeCreateDelegate(this, &quitwindow::StaticText2_Open, "(  )"));

    auto quit = NewControl<rb::PushButton>();
    quit->Constructor();
    AddControl("PushButton1", quit);
    auto quitButton = rb::RuntimeWindowControlByName(self, "PushButton1").Cast<rb::PushButton>();
    quitButton->TextUnit(0);
    rb::SetProperties(quitButton, ButtonProperties("PushButton1",
                                                   {.left = 181,
                                                    .top = 40,
                                                    .width = 80,
                                                    .height = 20,
                                                    .tabIndex = 2,
                                                    .lockBottom = true},
                                                   "Quit", true));
    rb::InstallInstanceEventHandler(quitButton, "Action",
                                    rb::RuntimeCreateDelegate(this, &quitwindow::PushButton1_Action, "(  )"));

    auto cancel = NewControl<rb::PushButton>();
    cancel->Constructor();
    AddControl("PushButton2", cancel);
    auto cancelButton = rb::RuntimeWindowControlByName(self, "PushButton2").Cast<rb::PushButton>();
    cancelButton->TextUnit(0);
    rb::SetProperties(cancelButton, ButtonProperties("PushButton2",
                                                     {.left = 83,
                                                      .top = 40,
                                                      .width = 80,
                                                      .height = 20,
                                                      .tabIndex = 3,
                                                      .lockBottom = true},
                                                     "Cancel", false));
    rb::InstallInstanceEventHandler(cancelButton, "Action",
                                    rb::RuntimeCreateDelegate(this, &quitwindow::PushButton2_Action, "(  )"));
}

void quitwindow::StaticText2_Open()
{
    const auto window = Window1::Instance();
    const std::int32_t n = window->howmany - window->c;
    if (n <= 0)
        return;
    auto line = rb::RuntimeWindowControlByName(rb::Ref<quitwindow>(this), "StaticText2").Cast<rb::StaticText>();
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
