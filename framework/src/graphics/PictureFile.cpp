#include "graphics/DoubledPicture.h"
#include "graphics/PicturePrefetch.h"
#include "graphics/QtPicture.h"

#include <QImageReader>

namespace rb {

QImage DecodePicture(const std::filesystem::path& path, std::string& complaint)
{
    QImageReader reader(QString::fromStdString(path.string()));
    if (reader.format() != "png") {
        complaint = "missing or not a PNG file";
        return {};
    }
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > Picture::MaxSide || size.height() > Picture::MaxSide) {
        complaint = "a size of " + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
                    " is refused; at most " + std::to_string(Picture::MaxSide) + " pixels either way";
        return {};
    }
    QImage image = reader.read();
    if (image.isNull())
        complaint = "cannot be read: " + reader.errorString().toStdString();
    // Qt gives a file named "@2x" two device pixels a unit; a picture's
    // pixels are its own, whatever its name.
    image.setDevicePixelRatio(1.0);
    return image;
}

namespace {

Ref<Picture> LoadDesignSize(const std::filesystem::path& path)
{
    if (auto prefetched = PicturePrefetch::Take(path))
        return PictureFromImage(*prefetched);
    std::string complaint;
    const QImage image = DecodePicture(path, complaint);
    if (image.isNull()) {
        qCWarning(rbPicture, "picture '%s': %s", path.filename().string().c_str(), complaint.c_str());
        return {};
    }
    return PictureFromImage(image);
}

} // namespace

Ref<Picture> LoadPicture(const std::filesystem::path& path)
{
    auto picture = LoadDesignSize(path);
    if (picture && DoubledWanted())
        LoadDoubled(*picture, path);
    return picture;
}

} // namespace rb
