#include "rb/MenuItem.h"

#include "rb/TextEdit.h"
#include "rb/Window.h"
#include "window/EditCommands.h"
#include "window/WindowRegistry.h"

namespace rb {
namespace {

std::uint64_t& Changes()
{
    static std::uint64_t changes = 0;
    return changes;
}

// The front-most visible window.
Ref<Window> ActiveWindow()
{
    for (const auto& front : windows::FrontToBack())
        if (front->Visible())
            return front;
    return {};
}

} // namespace

std::uint64_t MenuItem::Generation() noexcept
{
    return Changes();
}

void MenuItem::Name(const std::string& name)
{
    name_ = name;
    ++Changes();
}

void MenuItem::Text(const std::string& text)
{
    text_ = text;
    ++Changes();
}

void MenuItem::KeyboardShortcut(const std::string& shortcut)
{
    shortcut_ = shortcut;
    ++Changes();
}

Ref<MenuItem> MenuItem::Child(const std::string& name) const
{
    for (const auto& child : children_)
        if (child->Name() == name)
            return child;
    return {};
}

void MenuItem::Append(Ref<MenuItem> item)
{
    (void)*item; // a nil item throws NilObjectException
    children_.push_back(std::move(item));
    ++Changes();
}

Ref<MenuItem> MenuItem::Item(std::int32_t index) const
{
    if (index < 0 || index >= Count())
        throw OutOfBoundsException("menu item '" + name_ + "' has no child " + std::to_string(index));
    return children_[static_cast<std::size_t>(index)];
}

void MenuItem::Unhandled()
{
    if (auto edit = editing::FocusedEdit())
        editing::Act(name_, *edit);
}

bool MenuItem::ActsUnhandled() const
{
    auto edit = editing::FocusedEdit();
    return edit && editing::CanAct(name_, *edit);
}

void MenuItem::Choose(Ref<Window> window)
{
    Ref<MenuItem> keepAlive(this);
    Ref<Window> active = ActiveWindow();
    if (active && active->HandleMenuItem(name_))
        return;
    if (window && window != active && window->HandleMenuItem(name_))
        return;
    Unhandled();
}

bool MenuItem::Enabled(Ref<Window> window) const
{
    if (!autoEnable_)
        return true;
    Ref<Window> active = ActiveWindow();
    return (active && active->HandlesMenuItem(name_)) || (window && window->HandlesMenuItem(name_)) || ActsUnhandled();
}

} // namespace rb
