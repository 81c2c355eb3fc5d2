#include "rb/RectControl.h"

#include "core/ScreenScale.h"
#include "dnd/PictureDrop.h"
#include "graphics/QtCursor.h"
#include "rb/DragItem.h"
#include "rb/PropertyTable.h"
#include "rb/Window.h"
#include "window/ControlWidget.h"
#include "window/WindowLog.h"

#include <QWidget>

#include <algorithm>

namespace rb {
namespace {

// Where Qt can place a widget; within it, no sum or difference below overflows.
std::int32_t Position(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

std::int32_t Side(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, QWIDGETSIZE_MAX));
}

} // namespace

RectControl::RectControl() = default;
RectControl::~RectControl() = default;

void RectControl::Constructor()
{
    if (Window().IsNil())
        throw UsageException("control '" + DesignName() + "' was not made within a window");
    if (native_)
        return;
    MakeWidget();
    UpdateWidget();
    PlaceWidget();
    MouseCursor(cursor_);
    if (acceptsPictureDrop_)
        InstallPictureDrop(native_->Widget(), this);
}

void RectControl::Left(std::int32_t left)
{
    left_ = Position(left);
    PlaceWidget();
}

void RectControl::Top(std::int32_t top)
{
    top_ = Position(top);
    PlaceWidget();
}

void RectControl::Width(std::int32_t width)
{
    width_ = Side(width);
    PlaceWidget();
}

void RectControl::Height(std::int32_t height)
{
    height_ = Side(height);
    PlaceWidget();
}

void RectControl::Visible(bool visible)
{
    visible_ = visible;
    PlaceWidget();
}

void RectControl::Enabled(bool enabled)
{
    enabled_ = enabled;
    if (QWidget* widget = native_ ? native_->Widget() : nullptr)
        widget->setEnabled(enabled);
}

void RectControl::MouseCursor(Ref<rb::MouseCursor> cursor)
{
    cursor_ = std::move(cursor);
    QWidget* widget = native_ ? native_->Widget() : nullptr;
    if (widget == nullptr)
        return;
    if (cursor_)
        widget->setCursor(ToQCursor(*cursor_));
    else
        widget->unsetCursor();
}

void RectControl::Refresh(bool)
{
    if (QWidget* widget = native_ ? native_->Widget() : nullptr)
        widget->update();
}

void RectControl::RefreshRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, bool)
{
    if (QWidget* widget = native_ ? native_->Widget() : nullptr)
        widget->update(ScreenScale::Covering(QRect(x, y, width, height)));
}

void RectControl::AcceptPictureDrop()
{
    if (std::exchange(acceptsPictureDrop_, true))
        return;
    if (QWidget* widget = native_ ? native_->Widget() : nullptr)
        InstallPictureDrop(widget, this);
}

Ref<RectControl> RectControl::Parent() const
{
    if (initialParent_.empty() || Window().IsNil())
        return {};
    auto parent = RuntimeWindowControlByName(Window(), initialParent_).As<RectControl>();
    return parent.Get() == this ? Ref<RectControl>() : parent;
}

void RectControl::PlaceWidget()
{
    QWidget* widget = native_ ? native_->Widget() : nullptr;
    if (widget == nullptr)
        return;
    auto parent = Parent();
    QWidget* parentWidget = parent && parent->native_ ? parent->native_->Widget() : ControlWidget::ParentFor(*this);
    // Scaled as placed in the window, so that neighbours stay neighbours.
    const QPoint origin = parent ? ScreenScale::Rect(QRect(parent->Left(), parent->Top(), 0, 0)).topLeft() : QPoint();
    if (widget->parentWidget() != parentWidget)
        widget->setParent(parentWidget);
    widget->setGeometry(ScreenScale::Rect(QRect(left_, top_, width_, height_)).translated(-origin));
    widget->setEnabled(enabled_);
    widget->setVisible(visible_ && Added());
}

void RectControl::FollowWindowResize(std::int32_t dx, std::int32_t dy)
{
    auto follow = [](bool lockLow, bool lockHigh, std::int32_t delta, std::int32_t& position, std::int32_t& size) {
        if (lockHigh && lockLow)
            size = Side(std::int64_t{size} + delta);
        else if (lockHigh)
            position = Position(std::int64_t{position} + delta);
    };
    follow(lockLeft_, lockRight_, dx, left_, width_);
    follow(lockTop_, lockBottom_, dy, top_, height_);
    PlaceWidget();
}

void RectControl::DescribeProperties(PropertyTable& table)
{
    using Type = PropertyTable::Type;
    Control::DescribeProperties(table);
    table.Integer("Left", [this](std::int32_t v) { Left(v); });
    table.Integer("Top", [this](std::int32_t v) { Top(v); });
    table.Integer("Width", [this](std::int32_t v) { Width(v); });
    table.Integer("Height", [this](std::int32_t v) { Height(v); });
    table.Boolean("LockLeft", [this](bool v) { LockLeft(v); });
    table.Boolean("LockTop", [this](bool v) { LockTop(v); });
    table.Boolean("LockRight", [this](bool v) { LockRight(v); });
    table.Boolean("LockBottom", [this](bool v) { LockBottom(v); });
    table.Boolean("Visible", [this](bool v) { Visible(v); });
    table.Boolean("Enabled", [this](bool v) { Enabled(v); });
    table.String("InitialParent", [this](const std::string& v) {
        initialParent_ = v;
        PlaceWidget();
    });
    table.Integer("TabIndex", [this](std::int32_t v) { tabIndex_ = v; });
    table.String("HelpTag", [this](const std::string& v) {
        StoreProperty("HelpTag", v);
        if (QWidget* widget = native_ ? native_->Widget() : nullptr)
            widget->setToolTip(QString::fromStdString(v));
    });
    table.Stored("TabPanelIndex", Type::Integer);
    table.Stored("TabStop", Type::Boolean);
    table.Stored("AutoDeactivate", Type::Boolean);
    table.Stored("UseFocusRing", Type::Boolean);
    table.Stored("AcceptFocus", Type::Boolean);
    table.Stored("AcceptTabs", Type::Boolean);
    table.Stored("DoubleBuffer", Type::Boolean);
    table.Stored("EraseBackground", Type::Boolean);
}

std::string_view RectControl::EventSignature(std::string_view event) const
{
    static const std::pair<std::string_view, std::string_view> events[] = {
        {"Open", "(  )"},
        {"MouseDown", "( Int32, Int32 ) as Boolean"},
        {"MouseUp", "( Int32, Int32 )"},
        {"MouseMove", "( Int32, Int32 )"},
        {"MouseDrag", "( Int32, Int32 )"},
        {"MouseEnter", "(  )"},
        {"DropObject", "( DragItem, Int32 )"}};
    for (const auto& [name, signature] : events)
        if (name == event)
            return signature;
    return {};
}

Ref<Delegate> RectControl::BoundHandler(std::string_view event) const
{
    const auto found = handlers_.find(event);
    return found == handlers_.end() ? Ref<Delegate>() : found->second;
}

void InstallInstanceEventHandler(Ref<RectControl> control, const std::string& event, Ref<Delegate> handler)
{
    const std::string where = control->EventPath(event);
    const std::string_view signature = control->EventSignature(event);
    if (signature.empty())
        throw UsageException("control '" + control->DesignName() + "' has no event '" + event + "'");
    if (handler.IsNil())
        throw UsageException("no handler was given for '" + where + "'");
    if (handler->Signature() != signature)
        throw UsageException("the handler bound to '" + where + "' has the signature '" + handler->Signature() +
                             "', the event's is '" + std::string(signature) + "'");
    control->handlers_[event] = std::move(handler);
}

} // namespace rb
