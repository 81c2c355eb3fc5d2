#pragma once

class QKeyEvent;
class QMenuBar;
class QWidget;

namespace rb {

class MenuItem;
class Window;

// A menu bar showing the tree of the bar item; choosing an entry chooses the
// item on behalf of the window. While a menu is open its entries show
// whether they are enabled; otherwise every entry takes its shortcut, and
// choosing it does what the item can do then.
QMenuBar* BuildMenuBar(const MenuItem& bar, Window& window, QWidget* parent);

// Whether the key is a shortcut of the menu bar of the widget's window: an
// entry's shortcut or a menu's mnemonic.
bool IsMenuBarShortcut(const QWidget& widget, const QKeyEvent& key);

} // namespace rb
