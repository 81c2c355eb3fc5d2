#pragma once

#include "FrameworkInternal.h"

#include <Qt>

#include <functional>

class QDrag;

namespace rb {

// Runs a drag that DragItem::Drag has set up. Tests stand in for QDrag::exec,
// which the offscreen platform does not run; an empty runner restores it.
using DragRunner = std::function<Qt::DropAction(QDrag& drag)>;
RB_FRAMEWORK_INTERNAL void SetDragRunner(DragRunner runner);

} // namespace rb
