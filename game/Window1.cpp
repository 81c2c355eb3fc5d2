#include "Window1.h"

#include "Designs.h"
#include "MenuBar1.h"
#include "Module1.h"
#include "PictureItems.h"
#include "SoundItems.h"
#include "Window1_wbox.h"
#include "aboutbox.h"
#include "firstwindow.h"
#include "preferencewindow.h"
#include "quitwindow.h"
#include "showprefswindow.h"

#include "rb/DragItem.h"
#include "rb/Random.h"
#include "rb/System.h"
#include "rb/Text.h"

#include <array>
#include <string>

namespace {

// The basket area: a release in it serves, the mouse over it shows the finger.
bool InBasketArea(std::int32_t x, std::int32_t y)
{
    return 440 < x && x < 565 && 580 < y && y < 705;
}

// The left of a picture of that width centred across a board of that width.
std::int32_t CentredLeft(std::int32_t boardWidth, std::int32_t pictureWidth)
{
    return rb::DoubleToInteger(static_cast<double>(boardWidth) / 2.0 - static_cast<double>(pictureWidth) / 2.0);
}

// The group letters of the left, middle and right box for each group order.
constexpr std::array<std::array<const char*, 3>, 6> GroupOrders{{
    {"f", "v", "b"},
    {"b", "f", "v"},
    {"v", "b", "f"},
    {"f", "b", "v"},
    {"v", "f", "b"},
    {"b", "v", "f"},
}};

} // namespace

Window1::Window1() : rb::Window("Window1.Window1") {}

rb::Ref<Window1> Window1::Instance()
{
    return WindowInstance<Window1>("Window1.Window1");
}

rb::Ref<Window1> Window1::Self()
{
    return rb::Ref<Window1>(this);
}

rb::Ref<rb::Canvas> Window1::Canvas1()
{
    return ControlNamed<rb::Canvas>(*this, "Canvas1");
}

rb::Ref<rb::StaticText> Window1::StaticText1()
{
    return ControlNamed<rb::StaticText>(*this, "StaticText1");
}

void Window1::Layout()
{
    MenuBar(MenuBar1::Instance());
    DesignWindow(*this, {.placement = 2, .width = DesignedWidth, .height = DesignedHeight, .title = "Nubrello"});
}

void Window1::CreateControls()
{
    CreateControls0();
}

void Window1::CreateControls0()
{
    auto board = MakeControl<rb::Canvas>(
        *this, "Canvas1",
        {.place = {.width = 1000,
                   .height = 800,
                   .tabIndex = 0,
                   .lockLeft = true,
                   .lockTop = true,
                   .lockRight = true,
                   .lockBottom = true},
         .useFocusRing = false,
         .eraseBackground = false,
         .backdrop = rows()});
    Bind(board, "Paint", this, &Window1::Canvas1_Paint, "( Graphics )");
    Bind(board, "MouseDown", this, &Window1::Canvas1_MouseDown, "( Int32, Int32 ) as Boolean");
    Bind(board, "Open", this, &Window1::Canvas1_Open, "(  )");
    Bind(board, "MouseUp", this, &Window1::Canvas1_MouseUp, "( Int32, Int32 )");
    Bind(board, "MouseMove", this, &Window1::Canvas1_MouseMove, "( Int32, Int32 )");
    for (std::int32_t index = 0; index < 3; ++index)
        MakeControl<wbox>(*this, "wbox", wbox::Design(index));
    MakeControl<rb::StaticText>(
        *this, "StaticText1",
        {.place = {.left = 463, .top = 71, .width = 74, .height = 64, .tabIndex = 3, .parent = "Canvas1"},
         .text = "0",
         .font = "Kidprint Regular",
         .textSize = 72,
         .bold = true,
         .textAlign = 1});
}

void Window1::AddMenuHandlers(rb::Ref<rb::Window> w)
{
    auto window = w.Cast<Window1>();
    AddMenuHandler("FileNew", rb::RuntimeCreateDelegate(window.Get(), &Window1::FileNew_Action, "(  ) as Boolean"));
    AddMenuHandler("EditPreferences",
                   rb::RuntimeCreateDelegate(window.Get(), &Window1::EditPreferences_Action, "(  ) as Boolean"));
    AddMenuHandler("FileShowPrefs",
                   rb::RuntimeCreateDelegate(window.Get(), &Window1::FileShowPrefs_Action, "(  ) as Boolean"));
    AddMenuHandler("EditAboutNubrello",
                   rb::RuntimeCreateDelegate(window.Get(), &Window1::EditAboutNubrello_Action, "(  ) as Boolean"));
}

void Window1::Event_Open()
{
    firstwindow::Instance()->ShowWithin(Self(), -1);
    setitup();
}

// Every close is asked about, whether or not the application is quitting.
bool Window1::Event_CancelClose(bool)
{
    if (!shutdown) {
        quitwindow::Instance()->Show();
        return true;
    }
    return false;
}

// Score sign, served item, basket, and the shadow over both while an item
// stands in the basket. The shadow is made anew at every paint.
void Window1::Canvas1_Paint(rb::Ref<rb::Graphics> g)
{
    if (g.IsNil())
        return;
    const std::int32_t boardWidth = Canvas1()->Width();
    g->DrawPicture(scoresign(), CentredLeft(boardWidth, scoresign()->Width()), 55);
    if (!pix.IsNil())
        pix->drawSelf(g);
    if (!inbasket) {
        g->DrawPicture(basket(), CentredLeft(boardWidth, basket()->Width()), 525);
        return;
    }
    auto shade = rb::New<rb::Picture>(shadow()->Width(), shadow()->Height(), 32);
    shade->Mask(true)->Graphics()->DrawPicture(shadowmask(), 0, 0);
    shade->Graphics()->DrawPicture(shadow(), 0, 0);
    g->DrawPicture(basket(), CentredLeft(boardWidth, basket()->Width()), 525);
    g->DrawPicture(shade, CentredLeft(boardWidth, basket()->Width()), 560);
}

bool Window1::Canvas1_MouseDown(std::int32_t x, std::int32_t y)
{
    if (pix.IsNil())
        return true;
    if (!pix->within(x, y))
        return true;
    auto di = Instance()->NewDragItem(pix->left, pix->top, pix->width, pix->height);
    di->Picture(pix->p);
    di->Drag();
    return true;
}

void Window1::Canvas1_Open()
{
    Canvas1()->AcceptPictureDrop();
}

void Window1::Canvas1_MouseUp(std::int32_t x, std::int32_t y)
{
    if (InBasketArea(x, y) && !waiting)
        makefood();
}

// The board keeps the finger pointer once the mouse has been over the basket.
void Window1::Canvas1_MouseMove(std::int32_t, std::int32_t)
{
    if (InBasketArea(MouseX(), MouseY()))
        Canvas1()->MouseCursor(rb::System::Cursors().FingerPointer);
}

bool Window1::FileNew_Action()
{
    StaticText1()->Text("0");
    c = 0;
    Module1::dodict();
    setitup();
    firstwindow::Instance()->ShowWithin(Self(), -1);
    return true;
}

bool Window1::EditPreferences_Action()
{
    preferencewindow::Instance()->Show();
    return true;
}

bool Window1::FileShowPrefs_Action()
{
    showprefswindow::Instance()->ShowWithin(Self(), -1);
    return true;
}

bool Window1::EditAboutNubrello_Action()
{
    aboutbox::Instance()->Show();
    return true;
}

void Window1::makefood()
{
    auto g = Canvas1()->Graphics();
    if (!(c < howmany))
        return;
    pop()->Play();
    c = c + 1;
    Module1::s->Shuffle();
    const std::int32_t n = Module1::s->Ubound();
    const std::string key = Module1::s->Element(n);
    Module1::s->Remove(n);
    pix = NewControl<food>();
    pix->Constructor();
    px = Module1::d->Value(key).ObjectValue<rb::Picture>();
    pix->name = key;
    pix->p = rb::New<rb::Picture>(px->Width(), px->Height(), 32);
    pix->p->Mask(true)->Graphics()->DrawPicture(px->Mask(true), 0, 0);
    pix->p->Graphics()->DrawPicture(px, 0, 0);
    pix->left = CentredLeft(Canvas1()->Width(), px->Width());
    pix->top = 710 - px->Height();
    pix->width = px->Width();
    pix->height = px->Height();
    inbasket = true;
    waiting = true;
    Canvas1()->RefreshRect(336, pix->top, 248, 800 - pix->top, true);
    pix->drawSelf(g);
}

// All four draws come before any key is formed; the deck changes only after
// the third box.
void Window1::setitup()
{
    const std::int32_t g = rb::New<rb::Random>()->InRange(1, 6);
    const auto& letters = GroupOrders[static_cast<std::size_t>(g - 1)];
    std::array<std::string, 3> numbers;
    for (auto& number : numbers)
        number = rb::Str(rb::New<rb::Random>()->InRange(1, 15));
    std::array<std::string, 3> keys;
    for (std::size_t i = 0; i < keys.size(); ++i)
        keys[i] = letters[i] + numbers[i];
    for (std::int32_t i = 0; i < 3; ++i) {
        const auto pic = Module1::d->Value(keys[i]).ObjectValue<rb::Picture>();
        if (pic.IsNil())
            throw rb::NilObjectException(); // a sample without its picture ends the deal here
        auto box = rb::RuntimeWindowControlByNameIndex(Self(), "wbox", i).Cast<Class1>();
        box->name = letters[i];
        box->tempic = pic;
        box->Refresh(true);
    }
    for (const auto& key : keys)
        Module1::s->Remove(Module1::s->IndexOf(key, 0));
}
