#pragma once

#include <string>

class QKeyEvent;

namespace rb {

// The key as the KeyDown event gives it: the typed text, or the control
// character of an editing key (Chr(8) backspace, Chr(13) Return, Chr(3)
// Enter, Chr(9) Tab, Chr(27) Escape, Chr(127) forward delete, Chr(28) to
// Chr(31) left, right, up, down); empty for a key that gives neither.
std::string KeyText(const QKeyEvent& event);

} // namespace rb
