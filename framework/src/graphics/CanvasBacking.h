#pragma once

#include "rb/Canvas.h"

#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QWidget>

namespace rb {

struct CanvasBacking {
    QImage image;         // what the canvas shows, premultiplied; clear where nothing was drawn
    QRegion drawnAtOnce;  // drawn through Canvas::Graphics and not shown yet
    QPointer<QWidget> widget;
};

// Resizes the image (clear) when the canvas changed size.
void FitBacking(CanvasBacking& backing, QSize size);

// A graphics on the canvas's image, drawing within the clip. One that shows
// at once asks the widget to show what it drew.
Ref<Graphics> CanvasGraphics(Canvas& canvas, const QRegion& clip, bool showAtOnce);

} // namespace rb
