#include "window/WindowFrame.h"

#include "rb/Window.h"
#include "window/WindowEvents.h"
#include "window/WindowRegistry.h"
#include "window/WindowWidgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

namespace rb {

WindowFrame::WindowFrame(Window& window) : window_(window) {}

void WindowFrame::closeEvent(QCloseEvent* event)
{
    // The framework closes its windows itself: this is the window manager's
    // close box or key, which it offers even where none is designed.
    if (!WindowWidgets::Of(window_).closeButton) {
        event->ignore();
        return;
    }
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

void WindowFrame::paintEvent(QPaintEvent*)
{
    if (!isWindow() || window_.Frame() != 2)
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool WindowFrame::focusNextPrevChild(bool next)
{
    if (isWindow())
        return QWidget::focusNextPrevChild(next);
    // Within its parent the focus chain runs on into the parent's controls,
    // which a sheet keeps from the player.
    QWidget* start = QApplication::focusWidget();
    if (start == nullptr || !isAncestorOf(start))
        start = this;
    for (QWidget* w = start;;) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == start)
            return true;
        if (isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
}

} // namespace rb
