#pragma once

#include "rb/FrameworkExport.h"
#include "rb/MenuItem.h"

namespace rb {

// The root of a menu tree; its children are the menus shown on the bar of
// every window that has it as its MenuBar.
class RB_FRAMEWORK_EXPORT MenuBar : public MenuItem {};

} // namespace rb
