#pragma once

#include "rb/MenuItem.h"

namespace rb {

// The application's Preferences command; it runs the handler a window bound
// to it, like any other item.
class PrefsMenuItem : public MenuItem {};

} // namespace rb
