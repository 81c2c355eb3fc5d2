#pragma once

#include "rb/Picture.h"

#include <QImage>
#include <QLoggingCategory>

#include <filesystem>
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
};

class PictureAccess {
public:
    static PictureData& Data(const Picture& picture) { return *picture.data_; }
};

// The picture as it shows: its colour through its mask, or through its own
// alpha; premultiplied ARGB32, or RGB32 where it is opaque, the formats that
// Qt draws fastest. Cached until the picture or its mask changes.
const QImage& ToQImage(const Picture& picture);

// The image in the form a picture keeps its colour: RGB32 when every pixel is
// opaque, premultiplied ARGB32 otherwise.
QImage PictureColour(const QImage& image);

// Marks the picture (and the picture it masks) changed.
void PictureChanged(const Picture& picture);

// A picture of the image; the image's alpha becomes the mask when one is asked for.
Ref<Picture> PictureFromImage(const QImage& image);

// The PNG file decoded; a null image, with the reason in complaint, where
// LoadPicture gives nil.
QImage DecodePicture(const std::filesystem::path& path, std::string& complaint);

// The PNG file as a picture; nil for a missing file, one that is no PNG, a
// damaged one, or one larger than Picture::MaxSide either way (refused before
// it is decoded).
Ref<Picture> LoadPicture(const std::filesystem::path& path);

} // namespace rb
