#pragma once

#include <string>

class QKeyEvent;

namespace rb {

// The key as the KeyDown event gives it. A key that types a character gives
// that character. Other keys give a control character: Chr(8) backspace,
// Chr(9) Tab, Chr(13) Return, Chr(3) Enter, Chr(27) Escape, Chr(127) forward
// delete, Chr(28) to Chr(31) left, right, up, down, Chr(1) Home, Chr(4) End,
// Chr(11) Page Up, Chr(12) Page Down, Chr(5) Insert (the help key), and
// Chr(16) a function key or any other key that types nothing. With Ctrl
// held, a letter gives its control character (Ctrl+A Chr(1) to Ctrl+Z
// Chr(26); Ctrl+Space and Ctrl+@ Chr(0), Ctrl+[ \ ] ^ _ Chr(27) to Chr(31))
// and any other key the character it types without Ctrl. A modifier key
// pressed alone gives the empty String: it raises no KeyDown.
std::string KeyText(const QKeyEvent& event);

} // namespace rb
