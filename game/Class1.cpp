#include "Class1.h"

#include "App.h"
#include "SoundItems.h"
#include "Window1.h"
#include "endwindow.h"

#include "rb/Text.h"

void Class1::Event_Open()
{
    AcceptPictureDrop();
}

// Centred across the box; a picture not as high as the box sits 15 pixels
// below the centre.
void Class1::Event_Paint(rb::Ref<rb::Graphics> g)
{
    if (g.IsNil() || tempic.IsNil())
        return;
    const double x = static_cast<double>(Width()) / 2.0 - static_cast<double>(tempic->Width()) / 2.0;
    double y = static_cast<double>(Height()) / 2.0 - static_cast<double>(tempic->Height()) / 2.0;
    if (tempic->Height() != Height())
        y += 15.0;
    g->DrawPicture(tempic, rb::DoubleToInteger(x), rb::DoubleToInteger(y));
}

// Every drop runs the end-of-game test; only a picture dropped while an item
// is served is judged, and it is judged as that item, whatever it shows.
void Class1::Event_DropObject(rb::Ref<rb::DragItem> obj, std::int32_t)
{
    i = Index();
    if (obj->PictureAvailable() && !Window1::Instance()->pix.IsNil())
        Judge();
    const auto window = Window1::Instance();
    if (window->c == window->howmany) {
        if (!App::Instance()->quiet) {
            MorningRain()->Volume(50);
            MorningRain()->Play();
        }
        endwindow::Instance()->Show();
    }
}

void Class1::Judge()
{
    const auto window = Window1::Instance();
    if (rb::Left(window->pix->name, 1) == name) {
        tempic = window->pix->p;
        window->pix = nullptr;
        window->waiting = false;
        window->inbasket = false;
        rb::RuntimeWindowControlByNameIndex(window, "wbox", i).Cast<rb::RectControl>()->Refresh(true);
        window->Canvas1()->Refresh(true);
        const auto score = window->StaticText1();
        score->Text(rb::Str(rb::Val(score->Text()) + 1.0));
        Bell2()->Play();
    } else {
        buzz()->Play();
        window->pix = nullptr;
        window->waiting = false;
        window->inbasket = false;
        window->Canvas1()->Refresh(true);
    }
}
