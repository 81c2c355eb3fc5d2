#pragma once

#include <QObject>

namespace rb {

class TextEdit;

// Gives each key pressed in an edit to its KeyDown event first; a key that
// passes may press the window's default or cancel button, and a typed
// character that would go past LimitText is refused.
class KeyFilter : public QObject {
public:
    KeyFilter(TextEdit& edit, QObject* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool WouldPassLimit(QObject* widget) const;

    TextEdit& edit_;
};

} // namespace rb
