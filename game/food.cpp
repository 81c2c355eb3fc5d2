#include "food.h"

#include "Window1.h"

#include "rb/Color.h"
#include "rb/System.h"

void food::Event_Paint(rb::Ref<rb::Graphics> g)
{
    if (!g.IsNil())
        drawSelf(g);
}

void food::Event_MouseEnter()
{
    if (Window1::Instance()->waiting)
        MouseCursor(rb::System::Cursors().HandOpen);
}

bool food::Event_MouseDown(std::int32_t, std::int32_t)
{
    MouseCursor(rb::System::Cursors().HandClosed);
    return true;
}

void food::Event_MouseUp(std::int32_t, std::int32_t)
{
    MouseCursor(rb::System::Cursors().HandOpen);
}

void food::Event_MouseDrag(std::int32_t, std::int32_t)
{
    MouseCursor(rb::System::Cursors().HandClosed);
}

void food::drawSelf(rb::Ref<rb::Graphics> g)
{
    g->DrawPicture(p, left, top);
}

bool food::within(std::int32_t x, std::int32_t y)
{
    const auto board = Window1::Instance()->Canvas1()->Graphics();
    if (!(left < x && x < left + width && top < y && y < top + height))
        return false;
    return !(board->Pixel(x, y) == rb::RGB(255, 255, 255));
}
