#pragma once

#include "rb/Canvas.h"

#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QTransform>
#include <QWidget>

class QPainter;

namespace rb {

struct CanvasBacking {
    QImage image;         // what the canvas shows, in device pixels: premultiplied, clear where nothing was
                          // drawn, or RGB32 over an opaque backdrop that covers it
    QSize designSize;     // the canvas in design units, which Graphics draws and reads in
    QRegion drawnAtOnce;  // drawn through Canvas::Graphics and not shown yet, in design units
    qint64 laid = 0;      // the cache key of the opaque backdrop laid under the whole image; 0 when none
    QRegion overLaid;     // drawn over that backdrop since, in design units
    QPointer<QWidget> widget;

    // From design units to the image's pixels.
    QTransform ToImage() const;
};

// Resizes the image (clear) when the canvas changed size, in design units or
// on the screen: the image has the device pixels of the canvas's widget, or
// the design size where there is no widget.
void FitBacking(CanvasBacking& backing, QSize designSize);

// Readies a painter on the backing's image to draw in design units (pictures
// are drawn with DrawShown).
void DrawInDesignUnits(QPainter& painter, const CanvasBacking& backing);

// The canvas's backdrop under the region again, clear where it has none. An
// opaque backdrop that lies under the whole canvas as it was laid is put back
// only where something was drawn over it.
void LayBackdrop(CanvasBacking& backing, const Picture* backdrop, const QRegion& region);

// A graphics on the canvas's image, drawing within the clip (design units).
// One that shows at once asks the widget to show what it drew.
Ref<Graphics> CanvasGraphics(Canvas& canvas, const QRegion& clip, bool showAtOnce);

} // namespace rb
