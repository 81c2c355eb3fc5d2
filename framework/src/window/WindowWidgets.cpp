#include "window/WindowWidgets.h"

#include "core/ScreenScale.h"
#include "graphics/QtCursor.h"
#include "menu/MenuBarWidget.h"
#include "rb/Application.h"
#include "rb/Window.h"
#include "window/WindowContent.h"
#include "window/WindowFocus.h"
#include "window/WindowFrame.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace rb {
namespace {

// Over a parent's content while a sheet is up, whatever the parent's size:
// takes the parent's clicks.
class InputBlocker : public QWidget {
public:
    explicit InputBlocker(QWidget* parent) : QWidget(parent)
    {
        setGeometry(parent->rect());
        setAttribute(Qt::WA_NoMousePropagation);
        parent->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parentWidget() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }

    void mousePressEvent(QMouseEvent*) override {}
    void mouseReleaseEvent(QMouseEvent*) override {}
    void mouseDoubleClickEvent(QMouseEvent*) override {}
    void wheelEvent(QWheelEvent*) override {}
};

// A document window or a movable modal one.
bool HasTitleBar(std::int32_t frameCode)
{
    return frameCode == 0 || frameCode == 1;
}

bool IsModal(std::int32_t frameCode)
{
    return frameCode == 1 || frameCode == 2 || frameCode == 4 || frameCode == 8;
}

// What the window manager adds around a window, as it framed the windows
// already shown; none before the first.
QMargins FrameMargins()
{
    for (const QWidget* shown : QApplication::topLevelWidgets()) {
        const QRect outer = shown->frameGeometry();
        const QRect inner = shown->geometry();
        if (shown->isVisible() && outer != inner)
            return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom()};
    }
    return {};
}

// Centred on the screen's available area with its frame, and never with its
// title bar above the area's top or left of its left edge. A top-level
// widget's position is its frame's.
void PlaceOnScreen(QWidget& frame)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    QRect place(QPoint(0, 0), frame.size().grownBy(FrameMargins()));
    place.moveCenter(area.center());
    frame.move(std::max(place.left(), area.left()), std::max(place.top(), area.top()));
}

} // namespace

Qt::WindowFlags WindowWidgets::WindowFlags(std::int32_t frameCode) const
{
    // No title bar, and so none of its buttons: a plain box, and a modal
    // dialog, which draws its own border. Qt would drop the frameless hint
    // beside a title hint.
    if (frameCode == 2 || frameCode == 4)
        return Qt::Dialog | Qt::FramelessWindowHint;
    Qt::WindowFlags flags = frameCode == 0 ? Qt::Window : frameCode == 10 ? Qt::Tool : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeButton)
        flags |= Qt::WindowCloseButtonHint;
    // A modal window is never minimized: the program would wait on a window
    // that the player cannot see.
    if (minimizeButton && !IsModal(frameCode))
        flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton && resizeable)
        flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

WindowWidgets::WindowWidgets(Window& window) : window_(window)
{
    frame = new WindowFrame(window);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    content = new WindowContent(window, frame);
    layout->addWidget(content);
}

WindowWidgets::~WindowWidgets()
{
    DeleteWidgets();
}

bool WindowWidgets::Embedded() const
{
    return frame && frame->parentWidget() != nullptr;
}

void WindowWidgets::ApplyFrame(std::int32_t frameCode)
{
    if (!frame)
        return;
    frame->setWindowTitle(QString::fromStdString(window_.Title()));
    if (cursor)
        content->setCursor(ToQCursor(*cursor));
    ApplySize(window_.Width(), window_.Height());
    if (Embedded())
        return;
    const int border = frameCode == 2 ? 1 : 0;
    frame->layout()->setContentsMargins(border, border, border, border);
    // New flags make a new native window, which the window manager places
    // anew: only a change of kind or buttons is worth it.
    if (frame->windowFlags() == WindowFlags(frameCode))
        return;
    const bool wasVisible = frame->isVisible();
    frame->setWindowFlags(WindowFlags(frameCode));
    frame->setWindowModality(IsModal(frameCode) ? Qt::ApplicationModal : Qt::NonModal);
    if (wasVisible)
        frame->show();
}

void WindowWidgets::ApplySize(std::int32_t width, std::int32_t height)
{
    if (!content)
        return;
    if (resizeable) {
        content->setMinimumSize(ScreenScale::Size({minWidth, minHeight}));
        content->setMaximumSize(ScreenScale::Size({maxWidth, maxHeight}));
        frame->layout()->setSizeConstraint(QLayout::SetMinAndMaxSize);
        content->resize(ScreenScale::Size({width, height}));
    } else {
        content->setFixedSize(ScreenScale::Size({width, height}));
        frame->layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    frame->adjustSize();
}

Ref<MenuBar> WindowWidgets::ShownMenuBar() const
{
    if (!menuBarVisible || Embedded())
        return {};
    if (menuBar)
        return menuBar;
    // A window with a title bar shows the application's: its Edit menu acts there too.
    const Ref<Application> application = GetAppObject();
    return application && HasTitleBar(window_.Frame()) ? application->MenuBar() : Ref<MenuBar>();
}

void WindowWidgets::UpdateMenuBar(Window& window)
{
    const Ref<MenuBar> wanted = ShownMenuBar();
    if (menuBarWidget && (wanted != shownMenuBar || menuGeneration != MenuItem::Generation())) {
        menuBarWidget->hide();
        menuBarWidget->deleteLater(); // it may be delivering the choice that got us here
        menuBarWidget = nullptr;
    }
    shownMenuBar = wanted;
    if (!wanted || menuBarWidget)
        return;
    menuBarWidget = BuildMenuBar(*wanted, window, frame);
    menuGeneration = MenuItem::Generation();
    static_cast<QVBoxLayout*>(frame->layout())->setMenuBar(menuBarWidget);
    frame->adjustSize();
}

void WindowWidgets::Embed(QWidget* parentContent, bool blocking)
{
    RemoveBlocker();
    if (blocking) {
        blocker = new InputBlocker(parentContent);
        blocker->show();
        blocker->raise();
    }
    frame->setParent(parentContent, Qt::Widget);
    UpdateMenuBar(window_);
    ApplySize(window_.Width(), window_.Height());
    frame->move((parentContent->width() - frame->width()) / 2, 0);
    frame->show();
    frame->raise();
    focus::GiveToFirstControl(frame);
}

void WindowWidgets::Detach(std::int32_t frameCode)
{
    RemoveBlocker();
    if (Embedded()) {
        frame->hide();
        frame->setParent(nullptr);
    }
    ApplyFrame(frameCode);
    UpdateMenuBar(window_);
    if (!centred) {
        centred = true;
        PlaceOnScreen(*frame);
    }
}

void WindowWidgets::Belong(QWidget* ownerFrame)
{
    frame->winId();
    frame->windowHandle()->setTransientParent(ownerFrame ? ownerFrame->windowHandle() : nullptr);
}

void WindowWidgets::RemoveBlocker()
{
    delete blocker.data();
}

void WindowWidgets::DeleteWidgets()
{
    RemoveBlocker();
    delete frame.data();
}

} // namespace rb
