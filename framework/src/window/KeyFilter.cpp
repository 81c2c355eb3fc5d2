#include "window/KeyFilter.h"

#include "menu/MenuBarWidget.h"
#include "rb/TextEdit.h"
#include "rb/Window.h"
#include "window/ControlEvents.h"
#include "window/EditCommands.h"
#include "window/EditWidget.h"
#include "window/KeyText.h"
#include "window/TextEntry.h"
#include "window/WindowEvents.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

namespace rb {

KeyFilter::KeyFilter(TextEdit& edit, QWidget* widget) : QObject(widget), edit_(edit)
{
    widget->installEventFilter(this);
    editing::WatchFocus();
}

Ref<TextEdit> KeyFilter::EditOf(const QWidget& widget)
{
    for (QObject* child : widget.children())
        if (const auto* filter = dynamic_cast<const KeyFilter*>(child))
            return Ref<TextEdit>(&filter->edit_);
    return {};
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        return ShortcutOverride(watched, *static_cast<QKeyEvent*>(event));
    case QEvent::KeyPress:
        return KeyPress(*static_cast<QKeyEvent*>(event));
    default:
        return false;
    }
}

// Accepting the override makes the key a key press here; leaving it makes it
// the menu's shortcut. The widget itself is not asked.
bool KeyFilter::ShortcutOverride(QObject* watched, QKeyEvent& event) const
{
    if (!IsMenuBarShortcut(*static_cast<QWidget*>(watched), event))
        event.accept();
    return true;
}

bool KeyFilter::KeyPress(const QKeyEvent& event)
{
    const std::string key = KeyText(event);
    if (key.empty())
        return false;
    Ref<TextEdit> keepAlive(&edit_);
    if (ControlEvents::KeyDown(edit_, key))
        return true;
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter || event.key() == Qt::Key_Escape) {
        auto window = edit_.Window();
        return window && WindowEvents::PressButton(*window, event.key() == Qt::Key_Escape);
    }
    if (event.matches(QKeySequence::Paste)) {
        TextEntry::Type(edit_, QGuiApplication::clipboard()->text());
        return true;
    }
    return static_cast<unsigned char>(key[0]) >= 32 && key != "\x7f" && WouldPassLimit();
}

bool KeyFilter::WouldPassLimit() const
{
    const EditWidget widget(edit_);
    return edit_.LimitText() > 0 && widget.SelectedText().isEmpty() && widget.Length() >= edit_.LimitText();
}

} // namespace rb
