#include "PlayerInput.h"

#include "rb/RectControl.h"
#include "rb/qt/QtAccess.h"

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

namespace PlayerInput {
namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

QWidget* ControlWidget(const rb::Ref<rb::Window>& window, const std::string& name)
{
    const auto control = rb::RuntimeWindowControlByName(window, name).As<rb::RectControl>();
    EXPECT_FALSE(control.IsNil()) << "no control " << name;
    return control.IsNil() ? nullptr : rb::WidgetOf(*control);
}

void Press(QWidget* widget, QPoint at)
{
    SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton);
}

void Release(QWidget* widget, QPoint at)
{
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void Click(QWidget* widget)
{
    Click(widget, widget->rect().center());
}

void Click(QWidget* widget, QPoint at)
{
    Press(widget, at);
    Release(widget, at);
}

void Tick(QWidget* box)
{
    Click(box, QPoint(8, box->height() / 2));
}

void Enter(QWidget* widget)
{
    const QPointF at = widget->rect().center();
    QEnterEvent event(at, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
}

void Type(QWidget* widget, const std::string& text)
{
    for (const char c : text) {
        const QChar character = QChar::fromLatin1(c);
        // A printable key's code is its upper-case character.
        const int key = character.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &release);
    }
}

void ChooseMenuItem(const rb::Ref<rb::Window>& window, const char* itemName)
{
    QAction* action = rb::MenuActionOf(*window, itemName);
    ASSERT_NE(action, nullptr) << "no menu item " << itemName;
    action->trigger();
}

} // namespace PlayerInput
