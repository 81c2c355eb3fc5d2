#pragma once

#include "rb/Window.h"

#include <QPoint>

#include <string>

class QWidget;

// Real Qt events, sent as the player's mouse and keyboard would send them.
namespace PlayerInput {

// The widget of the window's control of that name; fails the test when the
// window has no such control.
QWidget* ControlWidget(const rb::Ref<rb::Window>& window, const std::string& name);

void Press(QWidget* widget, QPoint at);
void Release(QWidget* widget, QPoint at);
// A press and a release at the same place: the widget's centre by default.
void Click(QWidget* widget);
void Click(QWidget* widget, QPoint at);
// A click on the check box's indicator.
void Tick(QWidget* box);
void Enter(QWidget* widget);
// A key press and release for each character, sent to the widget.
void Type(QWidget* widget, const std::string& text);
// Chooses the menu item of that name on the window's menu bar.
void ChooseMenuItem(const rb::Ref<rb::Window>& window, const char* itemName);

} // namespace PlayerInput
