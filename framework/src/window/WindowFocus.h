#pragma once

#include <QPointer>
#include <QWidget>

// Where the keyboard goes as windows and sheets come and go.
namespace rb::focus {

// Puts the focus on the first control in the frame's tab order that takes
// typed text, or on the frame itself when none does (its Return and Escape
// then press the default and cancel buttons). A frame not yet shown takes it
// when it becomes active.
void GiveToFirstControl(QWidget* frame);

// Gives the focus back to the control that had it, unless the control is
// gone or its window has given the focus to another control meanwhile.
void GiveBack(const QPointer<QWidget>& control);

} // namespace rb::focus
