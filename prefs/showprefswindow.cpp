#include "showprefswindow.h"

#include "Designs.h"
#include "Module1.h"
#include "PictureItems.h"

#include "rb/StaticText.h"
#include "rb/System.h"
#include "rb/Text.h"

showprefswindow::showprefswindow() : rb::Window("showprefswindow.showprefswindow") {}

rb::Ref<showprefswindow> showprefswindow::Instance()
{
    return WindowInstance<showprefswindow>("showprefswindow.showprefswindow");
}

void showprefswindow::Layout()
{
    Backdrop(NubrelloIcon());
    DesignWindow(*this, {.width = 125, .height = 64, .frame = 10, .hasBackColor = true, .minimizeButton = false});
}

void showprefswindow::CreateControls()
{
    CreateControls0();
}

void showprefswindow::CreateControls0()
{
    MakeControl<rb::StaticText>(
        *this, "StaticText1",
        {.place = {.left = 0, .top = 2, .width = 116, .height = 60, .tabIndex = 0, .lockLeft = true},
         .font = "Kidprint Regular",
         .textSize = 36,
         .textAlign = 2,
         .tabStop = true});
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
    ControlNamed<rb::StaticText>(*this, "StaticText1")->Text(shown);
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
