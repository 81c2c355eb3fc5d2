#pragma once

#include "rb/FrameworkExport.h"
#include "rb/MenuItem.h"

namespace rb {

// The application's About command; it runs the handler a window bound to it,
// like any other item.
class RB_FRAMEWORK_EXPORT AppleMenuItem : public MenuItem {};

} // namespace rb
