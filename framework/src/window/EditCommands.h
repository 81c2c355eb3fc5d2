#pragma once

#include "rb/Object.h"

#include <string>

class QMenu;
class QWidget;

namespace rb {

class TextEdit;

// The editing commands that the Edit menu's items of these Names give on the
// focused text control: EditUndo, EditCut, EditCopy, EditPaste, EditClear
// (Delete) and EditSelectAll. Cut and Delete erase the selection as the
// delete key does, Chr(8) through the edit's KeyDown; Paste types the
// clipboard's text in through it.
namespace editing {

bool CanAct(const std::string& itemName, TextEdit& edit);
void Act(const std::string& itemName, TextEdit& edit);

// Follows the keyboard focus from the first edit made on, so that
// FocusedEdit knows the edit that a menu bar took the keys from.
void WatchFocus();

// The text control that has the keyboard focus in the active window (the one
// that had it while a menu bar takes the keys), or nil.
Ref<TextEdit> FocusedEdit();

// The edit's context menu: the same commands, for the widget's owner to show.
QMenu* ContextMenu(TextEdit& edit, QWidget* parent);

} // namespace editing

} // namespace rb
