#pragma once

#include "rb/FrameworkExport.h"

// For tests only: the real widgets behind framework objects, so that tests can
// send real Qt events to them. Program code never includes this header.

class QAction;
class QMenuBar;
class QWidget;

namespace rb {

class Window;
class RectControl;

// The window's content area: its coordinates are the window's.
RB_FRAMEWORK_EXPORT QWidget* WidgetOf(const Window& window);
// The widget that is the window: a top-level widget, or the sheet or panel
// inside its parent.
RB_FRAMEWORK_EXPORT QWidget* FrameWidgetOf(const Window& window);
// nullptr before the control's Constructor.
RB_FRAMEWORK_EXPORT QWidget* WidgetOf(const RectControl& control);
// nullptr when the window has no menu bar.
RB_FRAMEWORK_EXPORT QMenuBar* MenuBarWidgetOf(const Window& window);
// The action of the menu item of that Name on the window's bar, or nullptr.
RB_FRAMEWORK_EXPORT QAction* MenuActionOf(const Window& window, const char* itemName);

} // namespace rb
