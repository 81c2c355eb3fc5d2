#include "window/TextEntry.h"

#include "rb/TextEdit.h"
#include "window/ControlEvents.h"
#include "window/EditCommands.h"
#include "window/EditWidget.h"

#include <QAbstractScrollArea>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>

namespace rb {
namespace {

// A text area designed with Multiline False holds one line, as a field does.
bool HoldsOneLine(const TextEdit& edit, const EditWidget& widget)
{
    return widget.OneLine() || edit.StoredProperty("Multiline") == Variant(false);
}

// The key that types the character: Chr(13) for a line break; empty for a
// character that no key types.
std::string KeyFor(char32_t character)
{
    if (character == '\n')
        return "\r";
    if (character == '\t')
        return "\t";
    if (!QChar::isPrint(character))
        return {};
    return QString::fromUcs4(&character, 1).toStdString();
}

} // namespace

TextEntry::TextEntry(TextEdit& edit, QWidget* widget) : QObject(widget), edit_(edit)
{
    widget->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
        area->viewport()->installEventFilter(this);
}

void TextEntry::Type(TextEdit& edit, const QString& text)
{
    const EditWidget widget(edit);
    if (!widget.Editable())
        return;
    Ref<TextEdit> keepAlive(&edit);
    const bool oneLine = HoldsOneLine(edit, widget);
    const qsizetype limit = edit.LimitText();
    qsizetype room = limit > 0 ? std::max<qsizetype>(0, limit - widget.Length() + widget.SelectedText().size()) : -1;
    QString passed;
    for (const char32_t character : QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n').toUcs4()) {
        const std::string key = KeyFor(character);
        if (key.empty() || (oneLine && character == '\n') || ControlEvents::KeyDown(edit, key))
            continue;
        const QString typed = QString::fromUcs4(&character, 1);
        if (room >= 0 && typed.size() > room)
            continue; // a typed character past the limit is refused too
        passed += typed;
        if (room >= 0)
            room -= typed.size();
    }
    if (!passed.isEmpty())
        widget.Insert(passed);
}

bool TextEntry::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::InputMethod:
        return InputMethod(*static_cast<QInputMethodEvent*>(event));
    case QEvent::MouseButtonRelease:
        return MiddleButtonPaste(*static_cast<QMouseEvent*>(event));
    case QEvent::Drop:
        return Drop(watched, *static_cast<QDropEvent*>(event));
    case QEvent::ContextMenu:
        return ContextMenu(watched, *event);
    default:
        return false;
    }
}

// The committed text is typed in; the widget shows what is still being composed.
bool TextEntry::InputMethod(QInputMethodEvent& event)
{
    const QString committed = event.commitString();
    if (committed.isEmpty())
        return false;
    event.setCommitString(QString());
    Type(edit_, committed);
    return false;
}

bool TextEntry::MiddleButtonPaste(const QMouseEvent& event)
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (event.button() != Qt::MiddleButton || !clipboard->supportsSelection() || !EditWidget(edit_).Editable())
        return false;
    // The press put the caret under the pointer.
    Type(edit_, clipboard->text(QClipboard::Selection));
    return true;
}

// A dropped text is typed in where it is dropped, as a copy.
bool TextEntry::Drop(QObject* watched, QDropEvent& event)
{
    const EditWidget widget(edit_);
    if (!event.mimeData()->hasText() || !widget.Editable())
        return false;
    widget.PlaceCaret(event.position().toPoint());
    event.setDropAction(Qt::CopyAction);
    event.accept();
    QDragLeaveEvent leave; // takes down the widget's drop marker
    QCoreApplication::sendEvent(watched, &leave);
    Type(edit_, event.mimeData()->text());
    return true;
}

bool TextEntry::ContextMenu(QObject* watched, QEvent& event)
{
    const auto& request = static_cast<QContextMenuEvent&>(event);
    QMenu* menu = editing::ContextMenu(edit_, static_cast<QWidget*>(watched));
    QObject::connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater); // after its choice is delivered
    menu->popup(request.globalPos());
    return true;
}

} // namespace rb
