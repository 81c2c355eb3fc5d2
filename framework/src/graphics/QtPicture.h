#pragma once

#include "FrameworkInternal.h"
#include "graphics/PngFile.h"
#include "rb/Picture.h"

#include <QImage>
#include <QLoggingCategory>

#include <filesystem>
#include <future>
#include <memory>
#include <string>

Q_DECLARE_LOGGING_CATEGORY(rbPicture)

namespace rb {

struct PictureData {
    QImage colour;            // RGB32 where opaque (always once a mask exists), else premultiplied ARGB32
    Ref<Picture> mask;        // nil until asked for
    Picture* owner = nullptr; // for a mask: the picture it masks
    QImage composed;          // ToQImage's cache; null when stale
    QImage opacity;           // OpacityOf's cache (Alpha8); null when stale
    Ref<Picture> doubled;     // the picture at twice its size, or nil (DoubledPicture.h)
    // A file's pixels, decoded at their first use: until then colour is null.
    std::shared_ptr<const PngFile> pending;
    std::shared_future<QImage> decoding; // the pending pixels decoded ahead (DecodeAhead), once started

    QSize Size() const { return pending ? pending->Size() : colour.size(); }
};

class PictureAccess {
public:
    // The picture's data, its pixels decoded first where they are pending.
    static PictureData& Data(const Picture& picture);
    // The data as it stands, pending pixels left pending.
    static PictureData& DataAsIs(const Picture& picture) { return *picture.data_; }
};

// The picture as it shows: its colour through its mask, or through its own
// alpha; premultiplied ARGB32, or RGB32 where it is opaque, the formats that
// Qt draws fastest. Cached until the picture or its mask changes.
RB_FRAMEWORK_INTERNAL const QImage& ToQImage(const Picture& picture);

// The image in the form a picture keeps its colour: RGB32 when every pixel is
// opaque, premultiplied ARGB32 otherwise. Converted in place where it can be.
QImage PictureColour(QImage image);

// A picture of the checked file, whose pixels are decoded at their first use;
// one whose data does not decode after all is said and shows clear.
Ref<Picture> PictureFromPng(std::shared_ptr<const PngFile> png);

// Starts decoding the picture's pending pixels (and its doubled rendering's)
// on a thread of their own, where the picture is about to be shown.
void DecodeAhead(const Picture& picture);

// Marks the picture (and the picture it masks) changed.
void PictureChanged(const Picture& picture);

// A picture of the image; the image's alpha becomes the mask when one is asked for.
RB_FRAMEWORK_INTERNAL Ref<Picture> PictureFromImage(const QImage& image);

// The PNG file as a picture; nil for a missing file, one that is no PNG, a
// damaged or cut one, or one larger than Picture::MaxSide either way. The file
// is read and checked at once; its pixels are decoded at their first use.
Ref<Picture> LoadPicture(const std::filesystem::path& path);

} // namespace rb
