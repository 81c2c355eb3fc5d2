#pragma once

#include "rb/FrameworkExport.h"
#include "rb/MenuItem.h"

namespace rb {

// The application's Preferences command; it runs the handler a window bound
// to it, like any other item.
class RB_FRAMEWORK_EXPORT PrefsMenuItem : public MenuItem {};

} // namespace rb
