#include "rb/qt/QtAccess.h"

#include "rb/Window.h"
#include "window/ControlWidget.h"
#include "window/WindowContent.h"
#include "window/WindowFrame.h"
#include "window/WindowWidgets.h"

#include <QAction>
#include <QMenuBar>

namespace rb {

QWidget* WidgetOf(const Window& window)
{
    return WindowWidgets::Of(window).content;
}

QWidget* FrameWidgetOf(const Window& window)
{
    return WindowWidgets::Of(window).frame;
}

QWidget* WidgetOf(const RectControl& control)
{
    return WidgetAs<QWidget>(control);
}

QMenuBar* MenuBarWidgetOf(const Window& window)
{
    return WindowWidgets::Of(window).menuBarWidget;
}

QAction* MenuActionOf(const Window& window, const char* itemName)
{
    QMenuBar* bar = MenuBarWidgetOf(window);
    return bar ? bar->findChild<QAction*>(QString::fromUtf8(itemName)) : nullptr;
}

} // namespace rb
