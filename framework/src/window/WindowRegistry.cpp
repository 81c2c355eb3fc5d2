#include "window/WindowRegistry.h"

#include "window/WindowEvents.h"
#include "window/WindowFrame.h"
#include "window/WindowWidgets.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>

namespace rb::windows {
namespace {

struct Registry {
    std::vector<Ref<Window>> live; // front-most first
    std::vector<Ref<Window>> closing;
};

Registry& State()
{
    static Registry registry;
    return registry;
}

void FlushClosing()
{
    for (auto& window : std::exchange(State().closing, {}))
        WindowWidgets::Of(*window).DeleteWidgets();
}

void Remove(Window& window)
{
    auto& live = State().live;
    live.erase(std::remove_if(live.begin(), live.end(), [&](const Ref<Window>& w) { return w.Get() == &window; }),
               live.end());
}

} // namespace

void Register(Window& window)
{
    if (auto previous = Live(window.FullClassName()))
        WindowEvents::End(*previous);
    State().live.insert(State().live.begin(), Ref<Window>(&window));
}

void Unregister(Window& window)
{
    Ref<Window> keep(&window);
    Remove(window);
    if (State().closing.empty())
        QTimer::singleShot(0, FlushClosing);
    State().closing.push_back(keep);
}

Ref<Window> Live(const std::string& fullClassName)
{
    for (const auto& window : State().live)
        if (window->FullClassName() == fullClassName)
            return window;
    return {};
}

void BringToFront(Window& window)
{
    auto& live = State().live;
    const auto found = std::find_if(live.begin(), live.end(), [&](const Ref<Window>& w) { return w.Get() == &window; });
    if (found != live.end())
        std::rotate(live.begin(), found, found + 1);
}

std::vector<Ref<Window>> FrontToBack()
{
    return State().live;
}

Ref<Window> FrontShown(const Window* except)
{
    for (const auto& window : State().live) {
        const QWidget* frame = WindowWidgets::Of(*window).frame;
        if (window.Get() != except && frame && frame->isWindow() && frame->isVisible())
            return window;
    }
    return {};
}

bool CloseAllForQuit()
{
    const auto windows = FrontToBack();
    for (const auto& window : windows)
        if (!WindowEvents::Ended(*window) && WindowEvents::CancelClose(*window, true))
            return false;
    for (const auto& window : windows)
        WindowEvents::End(*window);
    return true;
}

void EndAll()
{
    auto windows = std::exchange(State().live, {});
    for (const auto& window : windows)
        WindowWidgets::Of(*window).DeleteWidgets();
    windows.clear();
    FlushClosing();
    if (QApplication::instance() != nullptr)
        qDeleteAll(QApplication::topLevelWidgets());
}

} // namespace rb::windows
