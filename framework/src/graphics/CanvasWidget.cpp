#include "graphics/CanvasWidget.h"

#include "core/ScreenScale.h"
#include "graphics/CanvasBacking.h"
#include "rb/Graphics.h"
#include "rb/Picture.h"
#include "window/ControlEvents.h"

#include <QPaintEvent>
#include <QPainter>

namespace rb {

CanvasWidget::CanvasWidget(Canvas& canvas, QWidget* parent) : QWidget(parent), canvas_(&canvas) {}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    if (canvas_ == nullptr)
        return;
    CanvasBacking& backing = canvas_->Backing();
    FitBacking(backing, QSize(canvas_->Width(), canvas_->Height()));
    const QRegion region = ScreenScale::DesignRegion(event->region());
    // A paint that covers more than the at-once drawing answers a refresh,
    // which repaints everything in it, at-once drawing included.
    if (!(region - backing.drawnAtOnce).isEmpty())
        Repaint(region);
    backing.drawnAtOnce -= region;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QRectF(rect()), backing.image);
}

void CanvasWidget::Repaint(const QRegion& region)
{
    LayBackdrop(canvas_->Backing(), canvas_->Backdrop().Get(), region);
    ControlEvents::Paint(*canvas_, CanvasGraphics(*canvas_, region, false));
}

} // namespace rb
