#include "rb/Canvas.h"

#include "core/ScreenScale.h"
#include "graphics/CanvasBacking.h"
#include "graphics/CanvasWidget.h"
#include "graphics/DoubledPicture.h"
#include "graphics/DoubledPicture.h"
#include "graphics/GraphicsSurface.h"
#include "graphics/QtPicture.h"
#include "rb/Graphics.h"
#include "window/ControlWidget.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace rb {
namespace {

// The design units whose image pixels a drawing there may change: those of
// its rectangle, and their neighbours where the image is scaled.
QRect Touched(const CanvasBacking& backing, const QRect& drawn)
{
    return backing.ToImage().isIdentity() ? drawn : drawn.adjusted(-1, -1, 1, 1);
}

bool LiesOpaqueUnder(const QImage& shown, const Picture& backdrop, QSize designSize)
{
    return shown.format() == QImage::Format_RGB32 && backdrop.Width() >= designSize.width() &&
           backdrop.Height() >= designSize.height();
}

class CanvasSurface : public GraphicsSurface {
public:
    CanvasSurface(Ref<Canvas> canvas, QRegion clip, bool showAtOnce)
        : canvas_(std::move(canvas)), clip_(std::move(clip)), showAtOnce_(showAtOnce)
    {
    }

    void DrawPicture(const Picture& picture, QPoint at) override
    {
        CanvasBacking& backing = canvas_->Backing();
        if (backing.image.isNull())
            return;
        {
            QPainter painter(&backing.image);
            DrawInDesignUnits(painter, backing);
            painter.setClipRegion(clip_);
            DrawShown(painter, at, picture);
        }
        const QRect drawn = QRect(at, QSize(picture.Width(), picture.Height())) & QRect(QPoint(0, 0), backing.designSize);
        if (backing.laid != 0)
            backing.overLaid += QRegion(Touched(backing, drawn)) & clip_;
        if (!showAtOnce_)
            return;
        backing.drawnAtOnce += drawn;
        if (backing.widget)
            backing.widget->update(ScreenScale::Covering(drawn));
    }

    // What was drawn at the unit's middle, as it shows over the window's
    // white: a premultiplied pixel lets the white through where it is not
    // opaque.
    QRgb Pixel(QPoint at) const override
    {
        const CanvasBacking& backing = canvas_->Backing();
        const QPointF middle = backing.ToImage().map(QPointF(at) + QPointF(0.5, 0.5));
        const QPoint pixel(std::clamp(static_cast<int>(std::floor(middle.x())), 0, backing.image.width() - 1),
                           std::clamp(static_cast<int>(std::floor(middle.y())), 0, backing.image.height() - 1));
        const QRgb shown = backing.image.pixel(pixel);
        const int white = 255 - qAlpha(shown);
        return qRgb(qRed(shown) + white, qGreen(shown) + white, qBlue(shown) + white);
    }

    QSize Size() const override { return canvas_->Backing().designSize; }

private:
    Ref<Canvas> canvas_;
    QRegion clip_;
    bool showAtOnce_;
};

} // namespace

QTransform CanvasBacking::ToImage() const
{
    if (designSize.isEmpty())
        return {};
    return QTransform::fromScale(double(image.width()) / designSize.width(),
                                 double(image.height()) / designSize.height());
}

void FitBacking(CanvasBacking& backing, QSize designSize)
{
    QSize deviceSize = designSize;
    if (backing.widget) {
        const double ratio = backing.widget->devicePixelRatio();
        deviceSize = QSize(static_cast<int>(std::lround(backing.widget->width() * ratio)),
                           static_cast<int>(std::lround(backing.widget->height() * ratio)));
    }
    if (backing.designSize == designSize && backing.image.size() == deviceSize)
        return;
    backing.designSize = designSize;
    backing.image = QImage(deviceSize, QImage::Format_ARGB32_Premultiplied);
    backing.image.fill(Qt::transparent);
    backing.drawnAtOnce = QRegion();
    backing.laid = 0;
    backing.overLaid = QRegion();
}

void LayBackdrop(CanvasBacking& backing, const Picture* backdrop, const QRegion& region)
{
    const QImage* shown = backdrop ? &ShownImage(*backdrop, backing.ToImage().m11()) : nullptr;
    const bool opaque = shown && LiesOpaqueUnder(*shown, *backdrop, backing.designSize);
    const bool whole = region.contains(QRect(QPoint(0, 0), backing.designSize));
    QRegion lay = region;
    if (opaque && backing.laid == shown->cacheKey()) {
        lay &= backing.overLaid;
    } else if (opaque && whole) {
        if (backing.image.format() != QImage::Format_RGB32) {
            const QSize size = backing.image.size();
            backing.image = QImage(); // gone before the opaque one is made, not held beside it
            backing.image = QImage(size, QImage::Format_RGB32);
        }
        backing.laid = shown->cacheKey();
    } else {
        backing.laid = 0;
        if (!opaque && backing.image.format() == QImage::Format_RGB32)
            backing.image.convertTo(QImage::Format_ARGB32_Premultiplied);
    }
    backing.overLaid -= region;
    if (lay.isEmpty())
        return;
    // Rectangle by rectangle: Qt blits within a rectangular clip, where a
    // clip of many rectangles takes its slower path, split over threads.
    QPainter painter(&backing.image);
    DrawInDesignUnits(painter, backing);
    for (const QRect& rect : lay) {
        painter.setClipRect(rect);
        if (!opaque) {
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(rect, Qt::transparent);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        if (shown)
            DrawShown(painter, QPointF(0, 0), *backdrop);
    }
}

void DrawInDesignUnits(QPainter& painter, const CanvasBacking& backing)
{
    painter.setTransform(backing.ToImage());
}

Ref<Graphics> CanvasGraphics(Canvas& canvas, const QRegion& clip, bool showAtOnce)
{
    return New<Graphics>(std::make_unique<CanvasSurface>(Ref<Canvas>(&canvas), clip, showAtOnce));
}

Canvas::Canvas() : backing_(std::make_unique<CanvasBacking>()) {}

Canvas::~Canvas()
{
    if (auto* widget = WidgetAs<CanvasWidget>(*this))
        widget->Forget();
}

void Canvas::Backdrop(Ref<Picture> picture)
{
    // Shown at the next paint: its pixels are decoded meanwhile.
    if (picture)
        DecodeAhead(*picture);
    backdrop_ = std::move(picture);
    Refresh(true);
}

Ref<Graphics> Canvas::Graphics()
{
    FitBacking(*backing_, QSize(Width(), Height()));
    return CanvasGraphics(*this, QRegion(QRect(QPoint(0, 0), backing_->designSize)), true);
}

std::string_view Canvas::EventSignature(std::string_view event) const
{
    return event == "Paint" ? "( Graphics )" : RectControl::EventSignature(event);
}

void Canvas::MakeWidget()
{
    auto* widget = new CanvasWidget(*this, ControlWidget::ParentFor(*this));
    backing_->widget = widget;
    ControlWidget::Attach(*this, widget);
}

} // namespace rb
