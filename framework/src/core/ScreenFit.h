#pragma once

#include "FrameworkInternal.h"
#include "rb/Runtime.h"

#include <QSizeF>

namespace rb {

// What scaling the program down needs to know of a screen, all in Qt's
// device-independent pixels except the frame.
struct ScreenRoom {
    QSizeF available;        // the screen's area for windows, panels left out
    QSizeF window;           // the largest window, menu bar included
    QSizeF frame;            // the window manager's title bar and borders, in device pixels
    double pixelRatio = 1.0; // device pixels per device-independent pixel
};

// The program's scale, at most 1, that lets the window with its frame fit the
// available area. The device pixels a design unit gets are a whole number of
// fortieths, so that a window of whole tens of units lands on whole pixels;
// never below a quarter. 1 where the window fits, or the screen tells no size.
RB_FRAMEWORK_INTERNAL double ScreenFitScale(const ScreenRoom& room);

// Sets the program's scale (ScreenScale) for the primary screen, once the
// application object is made and before any window is.
RB_FRAMEWORK_INTERNAL void FitToScreen(LargestWindow largest);

} // namespace rb
