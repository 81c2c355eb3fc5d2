#pragma once

#include "rb/FrameworkExport.h"

// For tests only: the program's scale on a small screen, which start-up
// chooses (ScreenScale in the framework), set by a test instead; 1 is none.
namespace rb::testing {

RB_FRAMEWORK_EXPORT void SetScreenScale(double factor);
RB_FRAMEWORK_EXPORT double ScreenScaleFactor();

} // namespace rb::testing
