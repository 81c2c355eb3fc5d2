#include "rb/DragItem.h"

#include "core/ScreenScale.h"
#include "dnd/DragRunner.h"
#include "dnd/PictureDrop.h"
#include "graphics/DoubledPicture.h"
#include "graphics/QtPicture.h"
#include "rb/Window.h"
#include "window/WindowContent.h"
#include "window/WindowWidgets.h"

#include <QCoreApplication>
#include <QDrag>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace rb {
namespace {

DragRunner& Runner()
{
    static DragRunner runner;
    return runner;
}

// The picture as the window shows it: scaled with the screen, smoothly, at
// the screen's own resolution.
QPixmap DragPixmap(const Picture& picture, double pixelRatio)
{
    const double perUnit = ScreenScale::Factor() * pixelRatio;
    const QSize shown(std::max(1, static_cast<int>(std::lround(picture.Width() * perUnit))),
                      std::max(1, static_cast<int>(std::lround(picture.Height() * perUnit))));
    QImage image(shown, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.scale(perUnit, perUnit);
        DrawShown(painter, QPointF(0, 0), picture);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}

} // namespace

void SetDragRunner(DragRunner runner)
{
    Runner() = std::move(runner);
}

DragItem::DragItem(Ref<Window> window, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
    : window_(std::move(window)), left_(left), top_(top), width_(width), height_(height)
{
}

DragItem::DragItem(Ref<rb::Picture> dropped) : picture_(std::move(dropped)) {}

void DragItem::Drag()
{
    QWidget* source = window_ ? WindowWidgets::Of(*window_).content : nullptr;
    if (source == nullptr)
        return;
    auto* data = new QMimeData;
    data->setData(OwnDragMimeType, QByteArray::number(QCoreApplication::applicationPid()));
    // Qt deletes the drag, not this scope: another program that takes the
    // drop reads the data after exec has returned.
    auto* drag = new QDrag(source);
    if (picture_) {
        const QImage& image = ToQImage(*picture_);
        data->setImageData(image);
        drag->setPixmap(DragPixmap(*picture_, source->devicePixelRatio()));
        const QPoint held(std::clamp(window_->MouseX() - left_, 0, image.width() - 1),
                          std::clamp(window_->MouseY() - top_, 0, image.height() - 1));
        drag->setHotSpot(ScreenScale::Rect(QRect(held, QSize())).topLeft());
    }
    drag->setMimeData(data);
    qCDebug(rbDnd, "drag of %d x %d at (%d, %d)", width_, height_, left_, top_);
    if (Runner())
        Runner()(*drag);
    else
        drag->exec(Qt::CopyAction);
}

} // namespace rb
