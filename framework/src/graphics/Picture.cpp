#include "rb/Picture.h"

#include "graphics/DoubledPicture.h"
#include "graphics/GraphicsSurface.h"
#include "graphics/QtPicture.h"
#include "rb/Graphics.h"

#include <QPainter>

#include <array>
#include <future>
#include <utility>

Q_LOGGING_CATEGORY(rbPicture, "rb.picture")

namespace rb {
namespace {

bool ValidSide(std::int32_t side)
{
    return side >= 1 && side <= Picture::MaxSide;
}

bool EveryPixelOpaque(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return false;
    }
    return true;
}

// How opaque a picture's mask makes it at each pixel: black 255, white 0.
QImage MaskOpacity(const QImage& mask)
{
    QImage opacity(mask.size(), QImage::Format_Alpha8);
    const int width = mask.width();
    for (int y = 0; y < mask.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        uchar* out = opacity.scanLine(y);
        for (int x = 0; x < width; ++x)
            out[x] = static_cast<uchar>(255 - qGray(line[x]));
    }
    return opacity;
}

// Cached until the mask is drawn into.
const QImage& OpacityOf(const Picture& mask)
{
    PictureData& data = PictureAccess::Data(mask);
    if (data.opacity.isNull())
        data.opacity = MaskOpacity(data.colour);
    return data.opacity;
}

bool ShowsOpaque(const PictureData& data)
{
    return !data.mask && data.colour.format() == QImage::Format_RGB32;
}

// The last compositions, by the images they were made of: a picture made
// anew from the same colour and mask as one before (as the board makes its
// shadow at every paint) is composed once. Qt's cache keys change whenever an
// image is drawn into.
class Compositions {
public:
    QImage Of(const QImage& colour, const QImage& opacity)
    {
        for (const Entry& entry : entries_)
            if (entry.colour == colour.cacheKey() && entry.opacity == opacity.cacheKey())
                return entry.composed;
        Entry& entry = entries_[next_];
        next_ = (next_ + 1) % entries_.size();
        entry = {colour.cacheKey(), opacity.cacheKey(), Compose(colour, opacity)};
        return entry.composed;
    }

private:
    // Drawn rather than converted: Qt copies the opaque colour row by row.
    static QImage Compose(const QImage& colour, const QImage& opacity)
    {
        QImage composed(colour.size(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&composed);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, colour);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.drawImage(0, 0, opacity);
        return composed;
    }

    struct Entry {
        qint64 colour = 0;
        qint64 opacity = 0;
        QImage composed;
    };
    std::array<Entry, 2> entries_;
    std::size_t next_ = 0;
};

QImage Compose(const PictureData& data)
{
    static Compositions compositions;
    if (!data.mask)
        return data.colour;
    return compositions.Of(data.colour, OpacityOf(*data.mask));
}

int Mix(int source, int target, int alpha, int coverage)
{
    return (source * alpha + target * (coverage - alpha) + coverage / 2) / coverage;
}

// One row of a masked picture drawn into: a source pixel at least as opaque
// as the mask there replaces the colour, a less opaque one is weighed against
// the mask's opacity. Straight gives the source's straight colour and alpha.
template <typename Straight>
void FillRow(QRgb* line, const uchar* covered, int count, Straight straight)
{
    for (int x = 0; x < count; ++x) {
        const auto [s, alpha] = straight(x);
        if (alpha == 0)
            continue;
        const int coverage = covered[x];
        const QRgb d = line[x];
        if (alpha >= coverage)
            line[x] = s | 0xff000000u;
        else
            line[x] = qRgb(Mix(qRed(s), qRed(d), alpha, coverage), Mix(qGreen(s), qGreen(d), alpha, coverage),
                           Mix(qBlue(s), qBlue(d), alpha, coverage));
    }
}

// Colour drawn into a masked picture is weighed against the picture's own
// coverage there, so that a source as opaque as the mask replaces the colour.
// No composition mode of Qt's weighs so; an opaque source is drawn by Qt. The
// source shows through its mask, or through its own alpha.
void FillCoverage(PictureData& target, const PictureData& source, QPoint at)
{
    const QImage& coverage = OpacityOf(*target.mask);
    const QImage* opacity = source.mask ? &OpacityOf(*source.mask) : nullptr;
    const QRect area = QRect(at, source.colour.size()) & target.colour.rect();
    const int from = area.left() - at.x();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(target.colour.scanLine(y)) + area.left();
        const uchar* covered = coverage.constScanLine(y) + area.left();
        const auto* colour = reinterpret_cast<const QRgb*>(source.colour.constScanLine(y - at.y())) + from;
        if (opacity) {
            const uchar* alpha = opacity->constScanLine(y - at.y()) + from;
            FillRow(line, covered, area.width(), [&](int x) { return std::pair<QRgb, int>(colour[x], alpha[x]); });
        } else {
            FillRow(line, covered, area.width(),
                    [&](int x) { return std::pair<QRgb, int>(qUnpremultiply(colour[x]), qAlpha(colour[x])); });
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
        const bool opaque = ShowsOpaque(source);
        if (opaque && at.isNull() && source.colour.size() == target.colour.size()) {
            // An opaque picture over the whole of another replaces it: the
            // two share one image until either is drawn into.
            target.colour = source.colour;
            PictureChanged(*picture_);
            if (target.owner != nullptr)
                target.opacity = OpacityOf(picture);
            DrawDoubled(*picture_, picture, at);
            return;
        }
        if (target.mask && !opaque && &source != &target)
            FillCoverage(target, source, at);
        else
            QPainter(&target.colour).drawImage(at, ToQImage(picture));
        PictureChanged(*picture_);
        DrawDoubled(*picture_, picture, at);
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
    data->colour = QImage(width, height, QImage::Format_RGB32);
    data->colour.fill(Qt::white);
    return data;
}

// Makes the picture's colour opaque and gives the mask of its alpha, with
// that mask's opacity.
QImage TakeAlpha(QImage& colour, QImage& opacity)
{
    if (colour.format() == QImage::Format_RGB32) {
        QImage mask(colour.size(), QImage::Format_RGB32);
        mask.fill(Qt::black);
        opacity = QImage(colour.size(), QImage::Format_Alpha8);
        opacity.fill(255);
        return mask;
    }
    opacity = colour.convertToFormat(QImage::Format_Alpha8);
    QImage grey = opacity.copy();
    grey.reinterpretAsFormat(QImage::Format_Grayscale8);
    grey.invertPixels();
    colour.convertTo(QImage::Format_RGB32);
    return grey.convertToFormat(QImage::Format_RGB32);
}

// A file's pixels as a picture keeps them; a picture that does not decode
// after all shows clear.
QImage DecodedColour(std::shared_ptr<const PngFile> png)
{
    std::string complaint;
    QImage image = png->Decode(complaint);
    if (!image.isNull())
        return PictureColour(std::move(image));
    qCWarning(rbPicture, "picture '%s': %s; it shows clear", png->Name().c_str(), complaint.c_str());
    QImage clear(png->Size(), QImage::Format_ARGB32_Premultiplied);
    clear.fill(Qt::transparent);
    return clear;
}

} // namespace

Picture::Picture(std::int32_t width, std::int32_t height, std::int32_t depth) : data_(WhiteData(width, height, depth))
{
}

Picture::Picture(std::unique_ptr<PictureData> data) : data_(std::move(data)) {}

Picture::~Picture()
{
    if (data_->mask)
        PictureAccess::DataAsIs(*data_->mask).owner = nullptr;
}

std::int32_t Picture::Width() const
{
    return data_->Size().width();
}

std::int32_t Picture::Height() const
{
    return data_->Size().height();
}

Ref<Graphics> Picture::Graphics()
{
    return New<rb::Graphics>(std::make_unique<PictureSurface>(Ref<Picture>(this)));
}

Ref<Picture> Picture::Mask(bool create)
{
    if (!data_->mask && create) {
        QImage opacity;
        data_->mask = PictureFromImage(TakeAlpha(PictureAccess::Data(*this).colour, opacity));
        PictureData& mask = PictureAccess::Data(*data_->mask);
        mask.owner = this;
        mask.opacity = std::move(opacity);
        DoubleMask(*this);
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
    data.opacity = QImage();
    if (data.owner != nullptr)
        PictureChanged(*data.owner);
}

QImage PictureColour(QImage image)
{
    if (image.format() == QImage::Format_RGB32)
        return image;
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (!image.hasAlphaChannel() || EveryPixelOpaque(image))
        image.convertTo(QImage::Format_RGB32);
    return image;
}

Ref<Picture> PictureFromImage(const QImage& image)
{
    auto data = std::make_unique<PictureData>();
    data->colour = PictureColour(image);
    return New<Picture>(std::move(data));
}

Ref<Picture> PictureFromPng(std::shared_ptr<const PngFile> png)
{
    auto data = std::make_unique<PictureData>();
    data->pending = std::move(png);
    return New<Picture>(std::move(data));
}

void DecodeAhead(const Picture& picture)
{
    PictureData& data = PictureAccess::DataAsIs(picture);
    if (data.pending && !data.decoding.valid())
        data.decoding = std::async(std::launch::async, DecodedColour, data.pending).share();
    if (data.doubled)
        DecodeAhead(*data.doubled);
}

PictureData& PictureAccess::Data(const Picture& picture)
{
    PictureData& data = *picture.data_;
    if (data.pending) {
        data.colour = data.decoding.valid() ? data.decoding.get() : DecodedColour(data.pending);
        data.pending = nullptr;
        data.decoding = {};
    }
    return data;
}

} // namespace rb
