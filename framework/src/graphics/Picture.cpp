#include "rb/Picture.h"

#include "graphics/GraphicsSurface.h"
#include "graphics/QtPicture.h"
#include "rb/Graphics.h"

#include <QPainter>

Q_LOGGING_CATEGORY(rbPicture, "rb.picture")

namespace rb {
namespace {

bool ValidSide(std::int32_t side)
{
    return side >= 1 && side <= Picture::MaxSide;
}

// How opaque a mask pixel makes its picture: black 255, white 0.
int Opacity(QRgb maskPixel)
{
    return 255 - qGray(maskPixel);
}

// One row of a picture, read as straight ARGB: its colour through its mask,
// or through its own alpha when it has no mask. Rows are fetched once, not
// per pixel, since the masks are composed at every paint.
class StraightRow {
public:
    StraightRow(const PictureData& data, int y)
        : colour_(reinterpret_cast<const QRgb*>(data.colour.constScanLine(y))),
          mask_(data.mask ? reinterpret_cast<const QRgb*>(PictureAccess::Data(*data.mask).colour.constScanLine(y))
                          : nullptr)
    {
    }

    QRgb operator[](int x) const
    {
        const QRgb colour = colour_[x];
        if (mask_ == nullptr)
            return colour;
        return qRgba(qRed(colour), qGreen(colour), qBlue(colour), Opacity(mask_[x]));
    }

private:
    const QRgb* colour_;
    const QRgb* mask_;
};

QImage Compose(const PictureData& data)
{
    if (!data.mask)
        return data.colour.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage composed(data.colour.size(), QImage::Format_ARGB32);
    const int width = composed.width();
    for (int y = 0; y < composed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(composed.scanLine(y));
        const StraightRow row(data, y);
        for (int x = 0; x < width; ++x)
            line[x] = row[x];
    }
    composed.convertTo(QImage::Format_ARGB32_Premultiplied);
    return composed;
}

int Mix(int source, int target, int alpha, int coverage)
{
    return (source * alpha + target * (coverage - alpha) + coverage / 2) / coverage;
}

// Colour drawn into a masked picture is weighed against the picture's own
// coverage there, so that a source as opaque as the mask replaces the colour.
void FillCoverage(PictureData& target, const PictureData& source, QPoint at)
{
    const QImage& mask = PictureAccess::Data(*target.mask).colour;
    const QRect area = QRect(at, source.colour.size()) & target.colour.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.colour.scanLine(y));
        const auto* maskLine = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        const StraightRow sourceRow(source, y - at.y());
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb s = sourceRow[x - at.x()];
            const int alpha = qAlpha(s);
            const int coverage = Opacity(maskLine[x]);
            const QRgb d = line[x];
            if (alpha == 0)
                continue;
            if (alpha >= coverage)
                line[x] = qRgb(qRed(s), qGreen(s), qBlue(s));
            else
                line[x] = qRgb(Mix(qRed(s), qRed(d), alpha, coverage), Mix(qGreen(s), qGreen(d), alpha, coverage),
                               Mix(qBlue(s), qBlue(d), alpha, coverage));
        }
    }
}

class PictureSurface : public GraphicsSurface {
public:
    explicit PictureSurface(Ref<Picture> picture) : picture_(std::move(picture)) {}

    void DrawPicture(const Picture& picture, QPoint at) override
    {
        PictureData& target = PictureAccess::Data(*picture_);
        const PictureData& source = PictureAccess::Data(picture);
        if (target.mask && &source != &target) {
            FillCoverage(target, source, at);
        } else {
            const QImage image = ToQImage(picture);
            QPainter(&target.colour).drawImage(at, image);
        }
        PictureChanged(*picture_);
    }

    QRgb Pixel(QPoint at) const override { return PictureAccess::Data(*picture_).colour.pixel(at); }

    QSize Size() const override { return PictureAccess::Data(*picture_).colour.size(); }

private:
    Ref<Picture> picture_;
};

std::unique_ptr<PictureData> WhiteData(std::int32_t width, std::int32_t height, std::int32_t depth)
{
    if (depth != 32)
        throw UsageException("a picture's depth must be 32, not " + std::to_string(depth));
    if (!ValidSide(width) || !ValidSide(height))
        throw UsageException("a picture of " + std::to_string(width) + " x " + std::to_string(height) +
                             " pixels is outside 1 to " + std::to_string(Picture::MaxSide));
    auto data = std::make_unique<PictureData>();
    data->colour = QImage(width, height, QImage::Format_ARGB32);
    data->colour.fill(Qt::white);
    return data;
}

// The mask of the picture's alpha; the colour becomes opaque.
QImage TakeAlpha(QImage& colour)
{
    QImage mask(colour.size(), QImage::Format_ARGB32);
    const int width = colour.width();
    for (int y = 0; y < colour.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(colour.scanLine(y));
        auto* maskLine = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grey = 255 - qAlpha(line[x]);
            maskLine[x] = qRgb(grey, grey, grey);
            line[x] |= 0xff000000u;
        }
    }
    return mask;
}

} // namespace

Picture::Picture(std::int32_t width, std::int32_t height, std::int32_t depth) : data_(WhiteData(width, height, depth))
{
}

Picture::Picture(std::unique_ptr<PictureData> data) : data_(std::move(data)) {}

Picture::~Picture()
{
    if (data_->mask)
        PictureAccess::Data(*data_->mask).owner = nullptr;
}

std::int32_t Picture::Width() const
{
    return data_->colour.width();
}

std::int32_t Picture::Height() const
{
    return data_->colour.height();
}

Ref<Graphics> Picture::Graphics()
{
    return New<rb::Graphics>(std::make_unique<PictureSurface>(Ref<Picture>(this)));
}

Ref<Picture> Picture::Mask(bool create)
{
    if (!data_->mask && create) {
        data_->mask = PictureFromImage(TakeAlpha(data_->colour));
        PictureAccess::Data(*data_->mask).owner = this;
        PictureChanged(*this);
    }
    return data_->mask;
}

const QImage& ToQImage(const Picture& picture)
{
    PictureData& data = PictureAccess::Data(picture);
    if (data.composed.isNull())
        data.composed = Compose(data);
    return data.composed;
}

void PictureChanged(const Picture& picture)
{
    PictureData& data = PictureAccess::Data(picture);
    data.composed = QImage();
    if (data.owner != nullptr)
        PictureChanged(*data.owner);
}

Ref<Picture> PictureFromImage(const QImage& image)
{
    auto data = std::make_unique<PictureData>();
    data->colour = image.convertToFormat(QImage::Format_ARGB32);
    return New<Picture>(std::move(data));
}

} // namespace rb
