#include "window/ControlEvents.h"

#include "rb/Canvas.h"
#include "rb/DragItem.h"
#include "rb/Graphics.h"
#include "rb/Picture.h"
#include "rb/PushButton.h"
#include "rb/TextEdit.h"

namespace rb {

void ControlEvents::Open(RectControl& control)
{
    control.RaiseEvent<void>("Open", [&] { control.Event_Open(); });
}

bool ControlEvents::MouseDown(RectControl& control, std::int32_t x, std::int32_t y)
{
    return control.RaiseEvent<bool>("MouseDown", [&] { return control.Event_MouseDown(x, y); }, x, y);
}

void ControlEvents::MouseUp(RectControl& control, std::int32_t x, std::int32_t y)
{
    control.RaiseEvent<void>("MouseUp", [&] { control.Event_MouseUp(x, y); }, x, y);
}

void ControlEvents::MouseMove(RectControl& control, std::int32_t x, std::int32_t y)
{
    control.RaiseEvent<void>("MouseMove", [&] { control.Event_MouseMove(x, y); }, x, y);
}

void ControlEvents::MouseEnter(RectControl& control)
{
    control.RaiseEvent<void>("MouseEnter", [&] { control.Event_MouseEnter(); });
}

void ControlEvents::MouseDrag(RectControl& control, std::int32_t x, std::int32_t y)
{
    control.RaiseEvent<void>("MouseDrag", [&] { control.Event_MouseDrag(x, y); }, x, y);
}

void ControlEvents::DropObject(RectControl& control, Ref<DragItem> item, std::int32_t action)
{
    control.RaiseEvent<void>("DropObject", [&] { control.Event_DropObject(item, action); }, item, action);
}

bool ControlEvents::KeyDown(TextEdit& edit, const std::string& key)
{
    return edit.RaiseEvent<bool, const std::string&>("KeyDown", [&] { return edit.Event_KeyDown(key); }, key);
}

void ControlEvents::Paint(Canvas& canvas, Ref<Graphics> graphics)
{
    canvas.RaiseEvent<void>("Paint", [&] { canvas.Event_Paint(graphics); }, graphics);
}

void ControlEvents::Action(PushButton& button)
{
    button.RaiseEvent<void>("Action", [&] { button.Event_Action(); });
}

} // namespace rb
