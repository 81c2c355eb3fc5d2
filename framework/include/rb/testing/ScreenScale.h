#pragma once

// For tests only: the program's scale on a small screen, which start-up
// chooses (ScreenScale in the framework), set by a test instead; 1 is none.
namespace rb::testing {

void SetScreenScale(double factor);
double ScreenScaleFactor();

} // namespace rb::testing
