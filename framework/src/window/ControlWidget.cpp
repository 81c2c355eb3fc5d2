#include "window/ControlWidget.h"

#include "core/ScreenScale.h"
#include "rb/Window.h"
#include "window/ControlEvents.h"
#include "window/WindowContent.h"
#include "window/WindowWidgets.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>

namespace rb {

ControlWidget::ControlWidget(RectControl& control, QWidget* widget) : control_(control), widget_(widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    // A scrolling control (a text area) gets its mouse through its viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
        viewport_ = area->viewport();
        viewport_->setMouseTracking(true);
        viewport_->installEventFilter(this);
    }
}

ControlWidget::~ControlWidget()
{
    // The window may be in the middle of delivering an event to it.
    if (widget_) {
        widget_->hide();
        widget_->deleteLater();
    }
}

void ControlWidget::Attach(RectControl& control, QWidget* widget)
{
    control.native_ = std::make_unique<ControlWidget>(control, widget);
}

QWidget* ControlWidget::ParentFor(const RectControl& control)
{
    return WindowWidgets::Of(*control.Window()).content;
}

bool ControlWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != widget_ && (watched != viewport_ || viewport_.isNull()))
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return MouseEvent(static_cast<QWidget*>(watched), event);
    case QEvent::Enter:
        if (watched == widget_)
            ControlEvents::MouseEnter(control_);
        return false;
    default:
        return false;
    }
}

bool ControlWidget::MouseEvent(QWidget* receiver, QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF local = receiver->mapTo(widget_, mouse->position());
    const QPoint at = ScreenScale::Design(local);
    if (auto window = control_.Window()) {
        WindowWidgets& native = WindowWidgets::Of(*window);
        if (native.content)
            native.mouse = ScreenScale::Design(widget_->mapTo(native.content, local));
    }
    Ref<RectControl> keepAlive(&control_);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        claimed_ = ControlEvents::MouseDown(control_, at.x(), at.y());
        return claimed_;
    case QEvent::MouseButtonRelease:
        if (!std::exchange(claimed_, false))
            return false;
        ControlEvents::MouseUp(control_, at.x(), at.y());
        return true;
    default:
        ControlEvents::MouseMove(control_, at.x(), at.y());
        if (claimed_ && mouse->buttons() != Qt::NoButton)
            ControlEvents::MouseDrag(control_, at.x(), at.y());
        return claimed_;
    }
}

} // namespace rb
