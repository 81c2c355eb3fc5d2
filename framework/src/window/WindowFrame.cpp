#include "window/WindowFrame.h"

#include "rb/Window.h"
#include "window/WindowEvents.h"
#include "window/WindowRegistry.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace rb {

WindowFrame::WindowFrame(Window& window) : window_(window) {}

void WindowFrame::closeEvent(QCloseEvent* event)
{
    if (WindowEvents::Ended(window_) || !WindowEvents::CancelClose(window_, false)) {
        event->accept();
        WindowEvents::End(window_);
    } else {
        event->ignore();
    }
}

void WindowFrame::keyPressEvent(QKeyEvent* event)
{
    // Keys stop at the window: a sheet's never reach its parent.
    event->accept();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        WindowEvents::PressButton(window_, false);
    else if (event->key() == Qt::Key_Escape)
        WindowEvents::PressButton(window_, true);
}

void WindowFrame::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !WindowEvents::Ended(window_)) {
        windows::BringToFront(window_);
        WindowEvents::Activate(window_);
    }
}

} // namespace rb
