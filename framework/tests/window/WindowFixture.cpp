#include "WindowFixture.h"

#include "rb/testing/TestBundle.h"
#include "window/WindowEvents.h"
#include "window/WindowRegistry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace {

std::vector<QPointer<QWidget>> ToPointers(const QWidgetList& widgets)
{
    return {widgets.begin(), widgets.end()};
}

} // namespace

rb::Ref<TestWindow> TestWindow::Build(std::function<void(TestWindow&)> createControls, std::string fullClassName)
{
    auto window = rb::New<TestWindow>(std::move(fullClassName));
    window->createControls = std::move(createControls);
    window->Constructor();
    return window;
}

void TestWindow::Layout()
{
    log.push_back("Layout");
    if (layout)
        layout(*this);
}

void TestWindow::CreateControls()
{
    log.push_back("CreateControls");
    if (createControls)
        createControls(*this);
}

void TestWindow::Event_Open()
{
    log.push_back("Open");
    if (open)
        open(*this);
}

bool TestWindow::Event_MouseDown(std::int32_t x, std::int32_t y)
{
    log.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
    return claimMouse;
}

void TestWindow::Event_MouseUp(std::int32_t x, std::int32_t y)
{
    log.push_back("MouseUp " + std::to_string(x) + "," + std::to_string(y));
}

bool TestWindow::Event_CancelClose(bool appQuitting)
{
    closeAsked.push_back(appQuitting);
    return refuseClose;
}

void WindowFixture::SetUpTestSuite()
{
    static int argc = 1;
    static char name[] = "window-test";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr)
        new QApplication(argc, argv);
    rb::testing::OpenApplication();
}

void WindowFixture::TearDown()
{
    for (const auto& window : rb::windows::FrontToBack())
        rb::WindowEvents::End(*window);
    ProcessEvents();
    // What is left is the test's own: message boxes and the like.
    for (const QPointer<QWidget>& widget : ToPointers(QApplication::topLevelWidgets()))
        if (widget && widget->parentWidget() == nullptr)
            delete widget.data();
}

void WindowFixture::ProcessEvents()
{
    for (int round = 0; round < 3; ++round)
        QApplication::processEvents();
}

namespace Player {
namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QWidget* target = WidgetAt(widget, at);
    const QPoint local = target->mapFrom(widget, at);
    QMouseEvent event(type, local, target->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

QWidget* WidgetAt(QWidget* widget, QPoint at)
{
    QWidget* child = widget->childAt(at);
    return child ? child : widget;
}

void Press(QWidget* widget, QPoint at)
{
    SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton);
}

void Release(QWidget* widget, QPoint at)
{
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void Click(QWidget* widget, QPoint at)
{
    Press(widget, at);
    Release(widget, at);
}

void Key(QWidget* widget, int key, const QString& text, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

void Type(QWidget* widget, const QString& text)
{
    for (const QChar character : text)
        Key(widget, character.toUpper().unicode(), character);
}

} // namespace Player
