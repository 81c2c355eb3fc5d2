#include "aboutbox.h"

#include "Designs.h"
#include "PictureItems.h"

#include "rb/Canvas.h"
#include "rb/Graphics.h"
#include "rb/PropertyList.h"
#include "rb/ShowURL.h"
#include "rb/StaticText.h"
#include "rb/System.h"

namespace {

constexpr const char* ContactAddress = "nubrello@example.org";

std::string WindowProperties()
{
    return rb::PropertyList()
        .Integer("Placement", 0)
        .Integer("Width", 258)
        .Integer("Height", 119)
        .Integer("MinWidth", 64)
        .Integer("MinHeight", 64)
        .Integer("MaxWidth", 32000)
        .Integer("MaxHeight", 32000)
        .Integer("Frame", 4)
        .Boolean("Composite", false)
        .Boolean("HasBackColor", false)
        .Color("BackColor", 0xFFFFFF)
        .String("Title", "Untitled")
        .Boolean("Visible", true)
        .Boolean("FullScreen", false)
        .Boolean("MenuBarVisible", true)
        .Boolean("CloseButton", false)
        .Boolean("Resizeable", false)
        .Boolean("LiveResize", false)
        .Boolean("MaximizeButton", false)
        .Boolean("MinimizeButton", false)
        .Integer("MacProcID", 0)
        .Bytes();
}

// What the three controls share: their place, no locks, enabled and visible.
rb::PropertyList Placed(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                        std::int32_t tabIndex)
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
        .String("InitialParent", "")
        .Integer("TabPanelIndex", 0)
        .Integer("TabIndex", tabIndex)
        .Boolean("Visible", true)
        .Boolean("Enabled", true)
        .Boolean("AutoDeactivate", true)
        .String("HelpTag", "");
    return list;
}

std::string Canvas1Properties()
{
    return Placed(20, 9, 68, 100, 0)
        .Boolean("TabStop", true)
        .Boolean("UseFocusRing", true)
        .Boolean("AcceptFocus", false)
        .Boolean("AcceptTabs", false)
        .Boolean("DoubleBuffer", false)
        .Boolean("EraseBackground", true)
        .Bytes();
}

std::string Label(rb::PropertyList list, std::string_view text, bool multiline, std::int32_t align)
{
    return list.String("Text", text)
        .String("TextFont", "System")
        .Boolean("Bold", false)
        .Boolean("Italic", false)
        .Boolean("Underline", false)
        .Integer("TextAlign", align)
        .Color("TextColor", 0x000000)
        .Boolean("Multiline", multiline)
        .String("DataSource", "")
        .String("DataField", "")
        .Bytes();
}

// As wide as the address below it, so that the line with the year and the
// maker's name stays one line at the system font.
std::string StaticText1Properties()
{
    return Label(Placed(100, 29, 148, 34, 1), "Nubrello v.1.0.1\r2026 Nubrello Project", true, 1);
}

std::string StaticText2Properties()
{
    return Label(Placed(100, 63, 148, 20, 2), ContactAddress, false, 0);
}

} // namespace

aboutbox::aboutbox() : rb::Window("aboutbox.aboutbox") {}

rb::Ref<aboutbox> aboutbox::Instance()
{
    return WindowInstance<aboutbox>("aboutbox.aboutbox");
}

void aboutbox::Layout()
{
    rb::SetProperties(rb::Ref<rb::Window>(this), WindowProperties());
}

void aboutbox::CreateControls()
{
    CreateControls0();
}

void aboutbox::CreateControls0()
{
    const rb::Ref<rb::Window> self(this);

    auto canvas = NewControl<rb::Canvas>();
    canvas->Constructor();
    AddControl("Canvas1", canvas);
    auto icon = rb::RuntimeWindowControlByName(self, "Canvas1").Cast<rb::Canvas>();
    rb::SetProperties(icon, Canvas1Properties());
    rb::InstallInstanceEventHandler(icon, "Paint",
                                    rb::RuntimeCreateDelegate(this, &aboutbox::Canvas1_Paint, "( Graphics )"));

    auto version = NewControl<rb::StaticText>();
    version->Constructor();
    AddControl("StaticText1", version);
    auto versionText = rb::RuntimeWindowControlByName(self, "StaticText1").Cast<rb::StaticText>();
    versionText->TextUnit(0);
    rb::SetProperties(versionText, StaticText1Properties());

    auto contact = NewControl<rb::StaticText>();
    contact->Constructor();
    AddControl("StaticText2", contact);
    auto link = rb::RuntimeWindowControlByName(self, "StaticText2").Cast<rb::StaticText>();
    link->TextSize(11);
    link->TextUnit(0);
    rb::SetProperties(link, StaticText2Properties());
    rb::InstallInstanceEventHandler(
        link, "MouseEnter", rb::RuntimeCreateDelegate(this, &aboutbox::StaticText2_MouseEnter, "(  )"));
    rb::InstallInstanceEventHandler(
        link, "MouseDown",
        rb::RuntimeCreateDelegate(this, &aboutbox::StaticText2_MouseDown, "( Int32, Int32 ) as Boolean"));
    rb::InstallInstanceEventHandler(
        link, "MouseUp", rb::RuntimeCreateDelegate(this, &aboutbox::StaticText2_MouseUp, "( Int32, Int32 )"));
}

void aboutbox::Canvas1_Paint(rb::Ref<rb::Graphics> g)
{
    if (g)
        g->DrawPicture(NubrelloIcon(), 0, 0);
}

void aboutbox::StaticText2_MouseEnter()
{
    rb::RuntimeWindowControlByName(rb::Ref<rb::Window>(this), "StaticText2")
        .Cast<rb::StaticText>()
        ->MouseCursor(rb::System::Cursors().FingerPointer);
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
