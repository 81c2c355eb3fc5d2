#include "rb/Canvas.h"

#include "graphics/CanvasBacking.h"
#include "graphics/CanvasWidget.h"
#include "graphics/GraphicsSurface.h"
#include "graphics/QtPicture.h"
#include "rb/Graphics.h"
#include "window/ControlWidget.h"

#include <QPainter>

namespace rb {
namespace {

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
        const QImage& image = ToQImage(picture);
        {
            QPainter painter(&backing.image);
            painter.setClipRegion(clip_);
            painter.drawImage(at, image);
        }
        if (!showAtOnce_)
            return;
        const QRect drawn = QRect(at, image.size()) & backing.image.rect();
        backing.drawnAtOnce += drawn;
        if (backing.widget)
            backing.widget->update(drawn);
    }

    // What was drawn, as it shows over the window's white: a premultiplied
    // pixel lets the white through where it is not opaque.
    QRgb Pixel(QPoint at) const override
    {
        const QRgb pixel = canvas_->Backing().image.pixel(at);
        const int white = 255 - qAlpha(pixel);
        return qRgb(qRed(pixel) + white, qGreen(pixel) + white, qBlue(pixel) + white);
    }

    QSize Size() const override { return canvas_->Backing().image.size(); }

private:
    Ref<Canvas> canvas_;
    QRegion clip_;
    bool showAtOnce_;
};

} // namespace

void FitBacking(CanvasBacking& backing, QSize size)
{
    if (backing.image.size() == size)
        return;
    backing.image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    backing.image.fill(Qt::transparent);
    backing.drawnAtOnce = QRegion();
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
    backdrop_ = std::move(picture);
    Refresh(true);
}

Ref<Graphics> Canvas::Graphics()
{
    const QSize size = backing_->widget ? backing_->widget->size() : QSize(Width(), Height());
    FitBacking(*backing_, size);
    return CanvasGraphics(*this, QRegion(backing_->image.rect()), true);
}

void Canvas::RaisePaint(Ref<rb::Graphics> graphics)
{
    RaiseEvent<void>("Paint", [&] { Event_Paint(graphics); }, graphics);
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
