#include "window/KeyFilter.h"

#include "rb/TextEdit.h"
#include "rb/Window.h"
#include "window/KeyText.h"
#include "window/WindowEvents.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>

namespace rb {

KeyFilter::KeyFilter(TextEdit& edit, QObject* widget) : QObject(widget), edit_(edit)
{
    widget->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const std::string key = KeyText(*static_cast<QKeyEvent*>(event));
    if (key.empty())
        return false;
    Ref<TextEdit> keepAlive(&edit_);
    if (edit_.RaiseKeyDown(key))
        return true;
    if (key == "\r" || key == "\x03" || key == "\x1b") {
        auto window = edit_.Window();
        return window && WindowEvents::PressButton(*window, key == "\x1b");
    }
    return static_cast<unsigned char>(key[0]) >= 32 && key != "\x7f" && WouldPassLimit(watched);
}

bool KeyFilter::WouldPassLimit(QObject* widget) const
{
    if (edit_.LimitText() <= 0)
        return false;
    bool selection = false;
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        selection = line->hasSelectedText();
    else if (auto* area = qobject_cast<QTextEdit*>(widget))
        selection = area->textCursor().hasSelection();
    return !selection && QString::fromStdString(edit_.Text()).size() >= edit_.LimitText();
}

} // namespace rb
