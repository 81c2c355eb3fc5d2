#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace rb {

class RectControl;

// The Qt side of a control: its widget, and the filter that turns the
// widget's mouse events into the control's events.
class ControlWidget : public QObject {
public:
    ControlWidget(RectControl& control, QWidget* widget);
    ~ControlWidget() override;

    // Gives the control the widget it made in its MakeWidget.
    static void Attach(RectControl& control, QWidget* widget);
    // Where a control's widget is made: its window's content area.
    static QWidget* ParentFor(const RectControl& control);

    QWidget* Widget() const { return widget_; }
    // The control's Qt side; nullptr before its Constructor.
    static ControlWidget* Of(const RectControl& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool MouseEvent(QWidget* receiver, QEvent* event);

    RectControl& control_;
    QPointer<QWidget> widget_;
    QPointer<QWidget> viewport_;
    bool claimed_ = false;
};

// The control's widget as a W, or nullptr.
template <class W>
W* WidgetAs(const RectControl& control);

} // namespace rb

#include "rb/RectControl.h"

namespace rb {

inline ControlWidget* ControlWidget::Of(const RectControl& control)
{
    return control.native_.get();
}

template <class W>
W* WidgetAs(const RectControl& control)
{
    const ControlWidget* native = ControlWidget::Of(control);
    return native ? qobject_cast<W*>(native->Widget()) : nullptr;
}

} // namespace rb
