#include "window/WindowEvents.h"

#include "rb/EventDelivery.h"
#include "rb/PushButton.h"
#include "rb/Window.h"

namespace rb {

bool WindowEvents::MouseDown(Window& window, std::int32_t x, std::int32_t y)
{
    Ref<Window> keepAlive(&window);
    return DeliverEvent(window.EventPath("MouseDown"), [&] { return window.Event_MouseDown(x, y); });
}

void WindowEvents::MouseUp(Window& window, std::int32_t x, std::int32_t y)
{
    Ref<Window> keepAlive(&window);
    DeliverEvent(window.EventPath("MouseUp"), [&] { window.Event_MouseUp(x, y); });
}

void WindowEvents::MouseEnter(Window& window)
{
    Ref<Window> keepAlive(&window);
    DeliverEvent(window.EventPath("MouseEnter"), [&] { window.Event_MouseEnter(); });
}

void WindowEvents::Activate(Window& window)
{
    Ref<Window> keepAlive(&window);
    DeliverEvent(window.EventPath("Activate"), [&] { window.Event_Activate(); });
}

bool WindowEvents::CancelClose(Window& window, bool appQuitting)
{
    Ref<Window> keepAlive(&window);
    return DeliverEvent(window.EventPath("CancelClose"), [&] { return window.Event_CancelClose(appQuitting); });
}

void WindowEvents::End(Window& window)
{
    window.End();
}

bool WindowEvents::Ended(const Window& window)
{
    return window.ended_;
}

void WindowEvents::ContentResized(Window& window, std::int32_t width, std::int32_t height)
{
    window.ResizeContent(width, height);
}

bool WindowEvents::PressButton(Window& window, bool cancel)
{
    for (const auto& control : window.Controls()) {
        auto button = control.As<PushButton>();
        if (button && (cancel ? button->Cancel() : button->Default()) && button->Visible() && button->Enabled()) {
            button->Push();
            return true;
        }
    }
    return false;
}

} // namespace rb
