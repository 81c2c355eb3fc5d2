#pragma once

#include "rb/Object.h"

#include <cstdint>
#include <string>

namespace rb {

class Canvas;
class DragItem;
class Graphics;
class PushButton;
class RectControl;
class TextEdit;

// Raises a control's own events for the framework's Qt side, each through
// DeliverEvent (so an exception ends only the handler), the handler bound by
// name winning over the class's own event. Coordinates are the control's own.
class ControlEvents {
public:
    static void Open(RectControl& control);
    // True claims the press.
    static bool MouseDown(RectControl& control, std::int32_t x, std::int32_t y);
    static void MouseUp(RectControl& control, std::int32_t x, std::int32_t y);
    static void MouseMove(RectControl& control, std::int32_t x, std::int32_t y);
    static void MouseEnter(RectControl& control);
    static void MouseDrag(RectControl& control, std::int32_t x, std::int32_t y);
    static void DropObject(RectControl& control, Ref<DragItem> item, std::int32_t action);
    // True swallows the key.
    static bool KeyDown(TextEdit& edit, const std::string& key);
    static void Paint(Canvas& canvas, Ref<Graphics> graphics);
    static void Action(PushButton& button);
};

} // namespace rb
