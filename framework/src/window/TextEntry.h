#pragma once

#include <QObject>

class QDropEvent;
class QInputMethodEvent;
class QMouseEvent;

namespace rb {

class TextEdit;

// Text that reaches an edit without its keys (an input method's text, the X
// primary selection pasted with the middle button, a dropped text, a paste)
// is typed in: each character is offered to the edit's KeyDown as its key,
// and only those that pass go in, as far as LimitText leaves room.
class TextEntry : public QObject {
public:
    // Watches the widget, and the viewport that shows a text area's text.
    TextEntry(TextEdit& edit, QWidget* widget);

    // Types the text into the edit at its caret, over its selection.
    static void Type(TextEdit& edit, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool InputMethod(QInputMethodEvent& event);
    bool MiddleButtonPaste(const QMouseEvent& event);
    bool Drop(QObject* watched, QDropEvent& event);
    bool ContextMenu(QObject* watched, QEvent& event);

    TextEdit& edit_;
};

} // namespace rb
