#include "window/WindowContent.h"

#include "core/ScreenScale.h"
#include "graphics/DoubledPicture.h"
#include "rb/Window.h"
#include "window/WindowEvents.h"
#include "window/WindowWidgets.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace rb {

WindowContent::WindowContent(Window& window, QWidget* parent) : QWidget(parent), window_(window)
{
    setMouseTracking(true);
}

QSize WindowContent::sizeHint() const
{
    return ScreenScale::Size({window_.Width(), window_.Height()});
}

void WindowContent::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const auto& native = WindowWidgets::Of(window_);
    if (native.hasBackColor)
        painter.fillRect(rect(), QColor::fromRgb(native.backColor));
    if (native.backdrop) {
        painter.scale(ScreenScale::Factor(), ScreenScale::Factor());
        DrawShown(painter, QPointF(0, 0), *native.backdrop);
    }
    // For the start-up benchmark: the run ends once the first window has painted.
    if (qEnvironmentVariableIsSet("RB_QUIT_AT_FIRST_PAINT"))
        QCoreApplication::exit(0);
}

void WindowContent::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = ScreenScale::Design(event->position());
    WindowWidgets::Of(window_).mouse = at;
    WindowWidgets::Of(window_).mouseClaimed = WindowEvents::MouseDown(window_, at.x(), at.y());
}

void WindowContent::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = ScreenScale::Design(event->position());
    WindowWidgets::Of(window_).mouse = at;
    if (std::exchange(WindowWidgets::Of(window_).mouseClaimed, false))
        WindowEvents::MouseUp(window_, at.x(), at.y());
}

void WindowContent::mouseMoveEvent(QMouseEvent* event)
{
    WindowWidgets::Of(window_).mouse = ScreenScale::Design(event->position());
}

void WindowContent::enterEvent(QEnterEvent*)
{
    WindowEvents::MouseEnter(window_);
}

void WindowContent::resizeEvent(QResizeEvent* event)
{
    // The size it was given is the design's: taken back, it could be a unit off.
    if (event->size() == ScreenScale::Size({window_.Width(), window_.Height()}))
        return;
    WindowEvents::ContentResized(window_, ScreenScale::DesignLength(event->size().width()),
                                 ScreenScale::DesignLength(event->size().height()));
}

} // namespace rb
