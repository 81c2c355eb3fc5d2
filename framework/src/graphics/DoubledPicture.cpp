#include "graphics/DoubledPicture.h"

#include "core/ScreenScale.h"
#include "graphics/PicturePrefetch.h"
#include "graphics/QtPicture.h"
#include "rb/Graphics.h"

#include <QPainter>
#include <QTransform>

#include <system_error>

namespace rb {
namespace {

QImage TwiceAsLarge(const QImage& image)
{
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The target's doubled rendering, made from it where it has none; a mask's
// comes with the doubled rendering of the picture it masks.
Picture& Doubled(Picture& picture)
{
    PictureData& data = PictureAccess::Data(picture);
    if (data.owner != nullptr && !data.doubled)
        Doubled(*data.owner);
    if (!data.doubled) {
        data.doubled = PictureFromImage(TwiceAsLarge(data.colour));
        if (data.mask) {
            PictureData& mask = PictureAccess::Data(*data.mask);
            mask.doubled = PictureFromImage(TwiceAsLarge(mask.colour));
            PictureAccess::Data(*data.doubled).mask = mask.doubled;
            PictureAccess::Data(*mask.doubled).owner = data.doubled.Get();
        }
    }
    return *data.doubled;
}

} // namespace

bool DoubledWanted()
{
    return ScreenScale::DevicePixelsPerUnit() > 1.0;
}

std::filesystem::path DoubledFile(const std::filesystem::path& file)
{
    return file.parent_path() / (file.stem().string() + "@2x" + file.extension().string());
}

void LoadDoubled(Picture& picture, const std::filesystem::path& file)
{
    const auto doubledFile = DoubledFile(file);
    std::error_code error;
    if (!std::filesystem::exists(doubledFile, error))
        return;
    auto png = PicturePrefetch::Take(doubledFile);
    std::string complaint;
    if (!png)
        png = PngFile::Read(doubledFile, complaint);
    const QSize wanted(picture.Width() * 2, picture.Height() * 2);
    if (png && png->Size() != wanted)
        complaint = "is " + std::to_string(png->Size().width()) + " x " + std::to_string(png->Size().height()) +
                    ", not " + std::to_string(wanted.width()) + " x " + std::to_string(wanted.height());
    if (!complaint.empty()) {
        qCWarning(rbPicture, "picture '%s': %s; drawn from '%s' alone", doubledFile.filename().string().c_str(),
                  complaint.c_str(), file.filename().string().c_str());
        return;
    }
    PictureAccess::DataAsIs(picture).doubled = PictureFromPng(std::move(png));
}

void DoubleMask(Picture& picture)
{
    PictureData& data = PictureAccess::Data(picture);
    if (!data.doubled || !data.mask)
        return;
    PictureData& mask = PictureAccess::Data(*data.mask);
    mask.doubled = data.doubled->Mask(true);
}

void DrawDoubled(Picture& target, const Picture& source, QPoint at)
{
    const PictureData& from = PictureAccess::Data(source);
    const PictureData& into = PictureAccess::Data(target);
    if (!from.doubled && !into.doubled)
        return;
    const Ref<Picture> drawn = from.doubled ? from.doubled : PictureFromImage(TwiceAsLarge(ToQImage(source)));
    Doubled(target).Graphics()->DrawPicture(drawn, at.x() * 2, at.y() * 2);
}

const QImage& ShownImage(const Picture& picture, double devicePixelsPerUnit)
{
    const PictureData& data = PictureAccess::Data(picture);
    return devicePixelsPerUnit > 1.0 && data.doubled ? ToQImage(*data.doubled) : ToQImage(picture);
}

void DrawShown(QPainter& painter, QPointF at, const Picture& picture)
{
    const double perUnit = painter.deviceTransform().m11();
    const QImage& image = ShownImage(picture, perUnit);
    const double perImagePixel = perUnit * picture.Width() / image.width();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, perImagePixel != 1.0);
    if (image.width() == picture.Width())
        painter.drawImage(at, image);
    else
        painter.drawImage(QRectF(at, QSizeF(picture.Width(), picture.Height())), image);
}

} // namespace rb
