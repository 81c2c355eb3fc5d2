#pragma once

#include "FrameworkInternal.h"

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>

namespace rb {

// The program's uniform scale on a screen too small for its largest window:
// widgets stand at their designed geometry times the factor, and what comes
// back from the screen (mouse positions, sizes) is taken back to design units.
// 1 unless start-up chose less; never above 1. Qt's device pixel ratio (a
// high-DPI screen) comes on top of it, as with any Qt program.
class ScreenScale {
public:
    RB_FRAMEWORK_INTERNAL static double Factor();
    // Device pixels a design unit gets on the screen with the most of them.
    static double DevicePixelsPerUnit();
    // Also scales the application's font, from the font it had before the
    // first call.
    RB_FRAMEWORK_INTERNAL static void Set(double factor);

    // On the screen, from design units: each edge is rounded by itself, so
    // that controls side by side in the design stay side by side.
    RB_FRAMEWORK_INTERNAL static int Length(int design);
    static QSize Size(QSize design);
    static QRect Rect(const QRect& design);
    // Every pixel that the design rectangle touches, for repainting it.
    static QRect Covering(const QRect& design);

    // In design units, from the screen: the unit under the pixel's middle.
    static QPoint Design(QPointF screen);
    static int DesignLength(int screen);
    // The design units that the screen's area touches.
    static QRegion DesignRegion(const QRegion& screen);
};

} // namespace rb
