#pragma once

class QMenuBar;
class QWidget;

namespace rb {

class MenuItem;
class Window;

// A menu bar showing the tree of the bar item; choosing an entry chooses the
// item on behalf of the window.
QMenuBar* BuildMenuBar(const MenuItem& bar, Window& window, QWidget* parent);

} // namespace rb
