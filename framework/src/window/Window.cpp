#include "rb/Window.h"

#include "rb/Control.h"
#include "rb/DragItem.h"
#include "rb/PropertyTable.h"
#include "rb/RectControl.h"
#include "rb/Runtime.h"
#include "window/ControlEvents.h"
#include "window/ControlWidget.h"
#include "window/WindowContent.h"
#include "window/WindowEvents.h"
#include "window/WindowFocus.h"
#include "window/WindowFrame.h"
#include "window/WindowLog.h"
#include "window/WindowRegistry.h"
#include "window/WindowWidgets.h"

#include "graphics/QtCursor.h"
#include "graphics/QtPicture.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <algorithm>

Q_LOGGING_CATEGORY(rbWindow, "rb.window")

namespace rb {

Window::Window(std::string fullClassName)
    : fullClassName_(std::move(fullClassName)), native_(std::make_unique<WindowWidgets>(*this))
{
}

Window::~Window() = default;

void Window::Constructor()
{
    windows::Register(*this);
    DeliverEvent(EventPath("Layout"), [&] { Layout(); });
    DeliverEvent(EventPath("CreateControls"), [&] { CreateControls(); });
    DeliverEvent(EventPath("AddMenuHandlers"), [&] { AddMenuHandlers(Ref<Window>(this)); });
    native_->ApplyFrame(frame_);
    Ref<Window> self(this);
    RuntimeWhenOpen([self] { self->Open(); });
}

void Window::Open()
{
    if (ended_)
        return;
    for (const auto& control : std::vector(controls_))
        if (auto rect = control.As<RectControl>())
            ControlEvents::Open(*rect);
    DeliverEvent(EventPath("Open"), [&] { Event_Open(); });
    std::vector<RectControl*> order;
    for (const auto& control : controls_)
        if (auto rect = control.As<RectControl>(); rect && WidgetAs<QWidget>(*rect))
            order.push_back(rect.Get());
    std::stable_sort(order.begin(), order.end(),
                     [](const RectControl* a, const RectControl* b) { return a->tabIndex_ < b->tabIndex_; });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(WidgetAs<QWidget>(*order[i - 1]), WidgetAs<QWidget>(*order[i]));
    Ref<Window> self(this);
    QTimer::singleShot(0, [self] {
        if (!self->ended_ && !self->native_->placed && self->visibleAsDesigned_)
            self->Show();
        self->ShowWaiting();
    });
}

void Window::Show()
{
    if (ended_) {
        qCWarning(rbWindow) << "window" << fullClassName_.c_str() << "was shown after it closed; ignored";
        return;
    }
    native_->placed = true;
    if (native_->showPending || WaitForOwner())
        return;
    QWidget* frame = native_->frame;
    if (native_->Embedded() || !frame->isVisible()) {
        native_->Detach(frame_);
        const Ref<Window> owner = frame_ == 0 ? Ref<Window>() : windows::FrontShown(this);
        QWidget* ownerFrame = owner ? owner->native_->frame.data() : nullptr;
        native_->Belong(ownerFrame);
        // Back, when it closes, to where the keys went, or else to the window
        // it belongs to, which may not have been activated yet.
        native_->focusBefore = QApplication::focusWidget();
        if (!native_->focusBefore && ownerFrame)
            native_->focusBefore = ownerFrame->focusWidget() ? ownerFrame->focusWidget() : ownerFrame;
        focus::GiveToFirstControl(frame);
    }
    // A window that a modal one blocks comes up behind it and leaves it the keyboard.
    QWidget* modal = QApplication::activeModalWidget();
    const bool blocked = modal && modal != frame && !frame->isModal();
    frame->setAttribute(Qt::WA_ShowWithoutActivating, blocked);
    frame->show();
    if (blocked) {
        modal->raise();
        modal->activateWindow(); // where the platform activates every window shown
    } else {
        windows::BringToFront(*this);
        frame->raise();
        frame->activateWindow();
    }
    ShowWaiting();
}

bool Window::WaitForOwner()
{
    if (frame_ == 0 || windows::FrontShown(this))
        return false;
    // The window it belongs to appears at the end of this event: so that the
    // window is its transient child and above it, it follows.
    for (const auto& window : windows::FrontToBack()) {
        const WindowWidgets& other = *window->native_;
        if (window.Get() != this && !other.placed && window->visibleAsDesigned_ && !other.Embedded()) {
            window->native_->waiting.push_back(Ref<Window>(this));
            native_->showPending = true;
            return true;
        }
    }
    return false;
}

void Window::ShowWaiting()
{
    for (const auto& window : std::exchange(native_->waiting, {}))
        if (std::exchange(window->native_->showPending, false) && !window->ended_)
            window->Show();
}

void Window::ShowWithin(Ref<Window> parent, std::int32_t)
{
    if (parent.Get() == this)
        throw UsageException("window '" + fullClassName_ + "' cannot be shown within itself");
    QWidget* parentContent = parent->native_->content;
    if (ended_ || parent->ended_ || parentContent == nullptr) {
        qCWarning(rbWindow) << "window" << fullClassName_.c_str() << "cannot be shown within a closed window; ignored";
        return;
    }
    native_->placed = true;
    if (!Visible())
        native_->focusBefore = QApplication::focusWidget();
    native_->Embed(parentContent, frame_ != 10);
    windows::BringToFront(*this);
    if (frame_ == 10)
        WindowEvents::Activate(*this);
}

void Window::Hide()
{
    native_->placed = true; // a window hidden before it appears stays hidden
    native_->showPending = false;
    native_->RemoveBlocker();
    if (!native_->frame || native_->frame->isHidden())
        return;
    native_->frame->hide();
    focus::GiveBack(native_->focusBefore);
}

void Window::Close()
{
    if (ended_ || WindowEvents::CancelClose(*this, false))
        return;
    End();
}

void Window::End()
{
    if (ended_)
        return;
    ended_ = true;
    Hide();
    windows::Unregister(*this);
    ShowWaiting();
    // A sheet or panel goes with the window it is shown within, whose widgets
    // hold its own.
    for (const auto& window : windows::FrontToBack())
        if (window->native_->frame && window->native_->frame->parentWidget() == native_->content)
            window->End();
}

bool Window::Visible() const
{
    return native_->frame && !native_->frame->isHidden();
}

void Window::Visible(bool visible)
{
    visible ? Show() : Hide();
}

void Window::Width(std::int32_t width)
{
    ResizeContent(width, height_);
}

void Window::Height(std::int32_t height)
{
    ResizeContent(width_, height);
}

void Window::ResizeContent(std::int32_t width, std::int32_t height)
{
    // A resizeable content keeps within its limits, as Qt bounds it, so that
    // the size kept and the differences that locked controls follow are the
    // ones shown.
    if (native_->resizeable) {
        width = std::max(std::min(width, native_->maxWidth), native_->minWidth);
        height = std::max(std::min(height, native_->maxHeight), native_->minHeight);
    }
    // Within the sizes Qt gives a widget, the differences below cannot overflow.
    width = std::clamp(width, 0, QWIDGETSIZE_MAX);
    height = std::clamp(height, 0, QWIDGETSIZE_MAX);
    if (width == width_ && height == height_)
        return;
    const std::int32_t dx = width - width_;
    const std::int32_t dy = height - height_;
    width_ = width;
    height_ = height;
    for (const auto& control : controls_)
        if (auto rect = control.As<RectControl>())
            rect->FollowWindowResize(dx, dy);
    native_->ApplySize(width, height);
}

void Window::Title(const std::string& title)
{
    title_ = title;
    if (native_->frame)
        native_->frame->setWindowTitle(QString::fromStdString(title));
}

Ref<Picture> Window::Backdrop() const
{
    return native_->backdrop;
}

void Window::Backdrop(Ref<Picture> picture)
{
    if (picture)
        DecodeAhead(*picture);
    native_->backdrop = std::move(picture);
    if (native_->content)
        native_->content->update();
}

Ref<rb::MouseCursor> Window::MouseCursor() const
{
    return native_->cursor;
}

void Window::MouseCursor(Ref<rb::MouseCursor> cursor)
{
    native_->cursor = std::move(cursor);
    if (!native_->content)
        return;
    if (native_->cursor)
        native_->content->setCursor(ToQCursor(*native_->cursor));
    else
        native_->content->unsetCursor();
}

std::int32_t Window::MouseX() const
{
    return native_->mouse.x();
}

std::int32_t Window::MouseY() const
{
    return native_->mouse.y();
}

Ref<rb::MenuBar> Window::MenuBar() const
{
    return native_->menuBar;
}

void Window::MenuBar(Ref<rb::MenuBar> bar)
{
    native_->menuBar = std::move(bar);
    native_->UpdateMenuBar(*this);
}

void Window::AddMenuHandler(const std::string& itemName, Ref<Delegate> handler)
{
    if (handler->Signature() != "(  ) as Boolean")
        throw UsageException("the menu handler of '" + itemName + "' on window '" + fullClassName_ +
                             "' has the signature '" + handler->Signature() + "', not '(  ) as Boolean'");
    menuHandlers_[itemName] = std::move(handler);
}

bool Window::HandleMenuItem(const std::string& itemName)
{
    const auto found = menuHandlers_.find(itemName);
    if (found == menuHandlers_.end())
        return false;
    Ref<Window> keepAlive(this);
    Ref<Delegate> handler = found->second;
    return DeliverEvent(EventPath(itemName), [&] { return handler->Function<bool>()(); });
}

void Window::Adopt(Control& control)
{
    control.window_ = this;
}

void Window::AddControl(const std::string& name, Ref<Control> control)
{
    control->Name(name);
    control->window_ = this;
    control->added_ = true;
    if (std::find(controls_.begin(), controls_.end(), control) == controls_.end())
        controls_.push_back(control);
    if (auto rect = control.As<RectControl>())
        rect->PlaceWidget();
}

Ref<DragItem> Window::NewDragItem(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    return New<DragItem>(Ref<Window>(this), left, top, width, height);
}

std::string Window::DesignName() const
{
    return fullClassName_.substr(0, fullClassName_.find('.'));
}

std::string Window::EventPath(const std::string& event) const
{
    return DesignName() + "." + event;
}

void Window::DescribeProperties(PropertyTable& table)
{
    using Type = PropertyTable::Type;
    auto& n = *native_;
    auto frameChange = [this](auto apply) {
        return [this, apply](auto value) {
            apply(value);
            native_->ApplyFrame(frame_);
        };
    };
    table.Integer("Width", [this](std::int32_t v) { Width(v); });
    table.Integer("Height", [this](std::int32_t v) { Height(v); });
    table.Integer("MinWidth", frameChange([&n](std::int32_t v) { n.minWidth = v; }));
    table.Integer("MinHeight", frameChange([&n](std::int32_t v) { n.minHeight = v; }));
    table.Integer("MaxWidth", frameChange([&n](std::int32_t v) { n.maxWidth = v; }));
    table.Integer("MaxHeight", frameChange([&n](std::int32_t v) { n.maxHeight = v; }));
    table.Integer("Frame", frameChange([this](std::int32_t v) { frame_ = v; }));
    table.Boolean("CloseButton", frameChange([&n](bool v) { n.closeButton = v; }));
    table.Boolean("Resizeable", frameChange([&n](bool v) { n.resizeable = v; }));
    table.Boolean("MinimizeButton", frameChange([&n](bool v) { n.minimizeButton = v; }));
    table.Boolean("MaximizeButton", frameChange([&n](bool v) { n.maximizeButton = v; }));
    table.Boolean("MenuBarVisible", [this](bool v) {
        native_->menuBarVisible = v;
        native_->UpdateMenuBar(*this);
    });
    table.Boolean("HasBackColor", [this](bool v) {
        native_->hasBackColor = v;
        native_->content->update();
    });
    table.Color("BackColor", [this](std::uint32_t v) {
        native_->backColor = v;
        native_->content->update();
    });
    table.String("Title", [this](const std::string& v) { Title(v); });
    table.Boolean("Visible", [this](bool v) { visibleAsDesigned_ = v; });
    table.Stored("Placement", Type::Integer);
    table.Stored("Composite", Type::Boolean);
    table.Stored("FullScreen", Type::Boolean);
    table.Stored("LiveResize", Type::Boolean);
    table.Stored("MacProcID", Type::Integer);
}

Ref<Window> GetImplicitWindow(const std::string& fullClassName)
{
    return windows::Live(fullClassName);
}

Ref<Control> RuntimeWindowControlByName(Ref<Window> window, const std::string& name)
{
    for (const auto& control : window->Controls())
        if (control->Name() == name)
            return control;
    return {};
}

Ref<Control> RuntimeWindowControlByNameIndex(Ref<Window> window, const std::string& name, std::int32_t index)
{
    for (const auto& control : window->Controls())
        if (control->Name() == name && control->Index() == index)
            return control;
    return {};
}

} // namespace rb
