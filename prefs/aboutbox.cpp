#include "aboutbox.h"

#include "Designs.h"
#include "PictureItems.h"

#include "rb/Canvas.h"
#include "rb/Graphics.h"
#include "rb/ShowURL.h"
#include "rb/StaticText.h"
#include "rb/System.h"

namespace {

constexpr const char* ContactAddress = "nubrello@example.org";

} // namespace

aboutbox::aboutbox() : rb::Window("aboutbox.aboutbox") {}

rb::Ref<aboutbox> aboutbox::Instance()
{
    return WindowInstance<aboutbox>("aboutbox.aboutbox");
}

void aboutbox::Layout()
{
    DesignWindow(*this, {.width = 258, .height = 119, .frame = 4, .closeButton = false, .minimizeButton = false});
}

void aboutbox::CreateControls()
{
    CreateControls0();
}

void aboutbox::CreateControls0()
{
    auto icon = MakeControl<rb::Canvas>(*this, "Canvas1",
                                        {.place = {.left = 20, .top = 9, .width = 68, .height = 100, .tabIndex = 0}});
    Bind(icon, "Paint", this, &aboutbox::Canvas1_Paint, "( Graphics )");
    // The second line is short enough to stay one line in the label's width.
    MakeControl<rb::StaticText>(
        *this, "StaticText1",
        {.place = {.left = 103, .top = 29, .width = 129, .height = 34, .tabIndex = 1},
         .text = "Nubrello v.1.0.1\r\u00A9 2026 Nubrello",
         .textAlign = 1,
         .multiline = true});
    auto link = MakeControl<rb::StaticText>(
        *this, "StaticText2",
        {.place = {.left = 100, .top = 63, .width = 148, .height = 20, .tabIndex = 2},
         .text = ContactAddress,
         .textSize = 11});
    Bind(link, "MouseEnter", this, &aboutbox::StaticText2_MouseEnter, "(  )");
    Bind(link, "MouseDown", this, &aboutbox::StaticText2_MouseDown, "( Int32, Int32 ) as Boolean");
    Bind(link, "MouseUp", this, &aboutbox::StaticText2_MouseUp, "( Int32, Int32 )");
}

void aboutbox::Canvas1_Paint(rb::Ref<rb::Graphics> g)
{
    if (g)
        g->DrawPicture(NubrelloIcon(), 0, 0);
}

void aboutbox::StaticText2_MouseEnter()
{
    ControlNamed<rb::StaticText>(*this, "StaticText2")->MouseCursor(rb::System::Cursors().FingerPointer);
}

bool aboutbox::StaticText2_MouseDown(std::int32_t, std::int32_t)
{
    return true;
}

// The link opens at the release wherever it happens; the box stays open.
void aboutbox::StaticText2_MouseUp(std::int32_t, std::int32_t)
{
    rb::ShowURL(std::string("mailto:") + ContactAddress);
}

bool aboutbox::Event_MouseDown(std::int32_t, std::int32_t)
{
    return true;
}

void aboutbox::Event_MouseUp(std::int32_t, std::int32_t)
{
    Close();
}
