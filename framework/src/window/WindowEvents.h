#pragma once

#include "FrameworkInternal.h"

#include <cstdint>

namespace rb {

class Window;

// Raises a window's own events for the framework's Qt side, each through
// DeliverEvent, and reaches the window's internal steps.
class WindowEvents {
public:
    static bool MouseDown(Window& window, std::int32_t x, std::int32_t y);
    static void MouseUp(Window& window, std::int32_t x, std::int32_t y);
    static void MouseEnter(Window& window);
    static void Activate(Window& window);
    // True refuses the close.
    static bool CancelClose(Window& window, bool appQuitting);
    RB_FRAMEWORK_INTERNAL static void End(Window& window);
    static bool Ended(const Window& window);
    static void ContentResized(Window& window, std::int32_t width, std::int32_t height);
    // Presses the window's visible, enabled default (or cancel) button;
    // false when it has none.
    static bool PressButton(Window& window, bool cancel);
};

} // namespace rb
