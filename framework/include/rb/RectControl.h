#pragma once

#include "rb/Control.h"
#include "rb/Delegate.h"
#include "rb/EventDelivery.h"
#include "rb/FrameworkExport.h"
#include "rb/MouseCursor.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace rb {

class DragItem;
class ControlWidget; // the Qt side of a control, internal to the framework

// A control with a place on its window. Left, Top, Width and Height are in
// window coordinates, also for a control placed inside another one
// (InitialParent), and kept where Qt can place a widget: Left and Top within
// -16777215 to 16777215, Width and Height within 0 to 16777215. A control keeps its properties whether or not its widget
// exists: the widget is made by Constructor and shown once the control has
// been added to its window and is Visible.
class RB_FRAMEWORK_EXPORT RectControl : public Control {
public:
    ~RectControl() override;

    // Makes the control's widget inside its window. A control that was not
    // made within a window throws UsageException.
    void Constructor();

    std::int32_t Left() const noexcept { return left_; }
    void Left(std::int32_t left);
    std::int32_t Top() const noexcept { return top_; }
    void Top(std::int32_t top);
    std::int32_t Width() const noexcept { return width_; }
    void Width(std::int32_t width);
    std::int32_t Height() const noexcept { return height_; }
    void Height(std::int32_t height);

    // The locks keep an edge at its distance from the window's same edge when
    // the window changes size: a control locked at the bottom only moves down
    // as the window grows; one locked at top and bottom grows with it.
    bool LockLeft() const noexcept { return lockLeft_; }
    void LockLeft(bool lock) { lockLeft_ = lock; }
    bool LockTop() const noexcept { return lockTop_; }
    void LockTop(bool lock) { lockTop_ = lock; }
    bool LockRight() const noexcept { return lockRight_; }
    void LockRight(bool lock) { lockRight_ = lock; }
    bool LockBottom() const noexcept { return lockBottom_; }
    void LockBottom(bool lock) { lockBottom_ = lock; }

    bool Visible() const noexcept { return visible_; }
    void Visible(bool visible);
    bool Enabled() const noexcept { return enabled_; }
    void Enabled(bool enabled);

    // The cursor while the mouse is over the control; nil gives the window's.
    Ref<rb::MouseCursor> MouseCursor() const { return cursor_; }
    void MouseCursor(Ref<rb::MouseCursor> cursor);

    // Asks for a repaint of the control, or of a rectangle of it (control
    // coordinates). Painting always starts from the background, so the erase
    // flag changes nothing.
    void Refresh(bool erase = true);
    void RefreshRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, bool erase = true);

    // The control takes picture drops (from this program and others) and
    // raises its DropObject event.
    void AcceptPictureDrop();

    // The control that InitialParent names, within the same window; nil when
    // the control stands directly in the window.
    Ref<RectControl> Parent() const;

    void DescribeProperties(PropertyTable& table) override;

    // The signature text of the control's event of that name ("( Int32, Int32 )
    // as Boolean"); empty when the control has no such event.
    virtual std::string_view EventSignature(std::string_view event) const;

    // The class's own events. A handler bound by name with
    // InstallInstanceEventHandler runs instead of the matching one.
    virtual void Event_Open() {}
    // True claims the press: the release then reaches MouseUp, and moves with
    // the button down reach MouseDrag.
    virtual bool Event_MouseDown(std::int32_t, std::int32_t) { return false; }
    virtual void Event_MouseUp(std::int32_t, std::int32_t) {}
    // The mouse moves over the control, with or without a button down.
    virtual void Event_MouseMove(std::int32_t, std::int32_t) {}
    virtual void Event_MouseEnter() {}
    virtual void Event_MouseDrag(std::int32_t, std::int32_t) {}
    virtual void Event_DropObject(Ref<DragItem>, std::int32_t) {}

protected:
    RectControl();

    // Makes the widget of this kind of control (through the framework's
    // internal ControlWidget::Attach).
    virtual void MakeWidget() = 0;
    // Shows the class's own properties on its widget; called when the widget
    // has been made and after each of those properties changes.
    virtual void UpdateWidget() {}

    // The handler bound to the event, or nil.
    Ref<Delegate> BoundHandler(std::string_view event) const;

    // Runs the bound handler of the event with the arguments, or else own().
    template <class R, class... Args, class Own>
    R RaiseEvent(const std::string& event, Own&& own, Args... args)
    {
        Ref<RectControl> keepAlive(this);
        return DeliverEvent(EventPath(event), [&]() -> R {
            if (Ref<Delegate> bound = BoundHandler(event))
                return bound->Function<R, Args...>()(args...);
            return own();
        });
    }

private:
    friend void InstallInstanceEventHandler(Ref<RectControl> control, const std::string& event,
                                            Ref<Delegate> handler);
    void PlaceWidget();
    // Follows a change of the window's size by (dx, dy) as the locks say.
    void FollowWindowResize(std::int32_t dx, std::int32_t dy);
    friend class rb::Window;
    friend class ControlWidget;
    friend class ControlEvents;

    std::int32_t left_ = 0;
    std::int32_t top_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    bool lockLeft_ = false;
    bool lockTop_ = false;
    bool lockRight_ = false;
    bool lockBottom_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    bool acceptsPictureDrop_ = false;
    std::string initialParent_;
    std::int32_t tabIndex_ = 0;
    Ref<rb::MouseCursor> cursor_;
    std::map<std::string, Ref<Delegate>, std::less<>> handlers_;
    std::unique_ptr<ControlWidget> native_;
};

// Binds a handler to the control's event of that name. The delegate's
// signature text must be the event's own; a mismatch, or an event the control
// does not have, throws UsageException naming the control and the event. A
// later binding replaces an earlier one.
RB_FRAMEWORK_EXPORT void InstallInstanceEventHandler(Ref<RectControl> control, const std::string& event,
                                                     Ref<Delegate> handler);

} // namespace rb
