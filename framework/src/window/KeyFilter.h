#pragma once

#include "rb/Object.h"

#include <QObject>

class QKeyEvent;

namespace rb {

class TextEdit;

// Gives each key pressed in an edit to its KeyDown event first, except the
// shortcuts of the window's menu bar, which go to their menu items: no other
// shortcut takes a key from an edit. A key that passes may press the
// window's default or cancel button; a paste key types the clipboard's text
// in through KeyDown; a typed character that would go past LimitText is
// refused.
class KeyFilter : public QObject {
public:
    KeyFilter(TextEdit& edit, QWidget* widget);

    // The edit whose widget it is, or nil for any other widget.
    static Ref<TextEdit> EditOf(const QWidget& widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ShortcutOverride(QObject* watched, QKeyEvent& event) const;
    bool KeyPress(const QKeyEvent& event);
    bool WouldPassLimit() const;

    TextEdit& edit_;
};

} // namespace rb
