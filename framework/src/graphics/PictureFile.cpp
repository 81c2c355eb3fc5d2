#include "graphics/QtPicture.h"

#include <QImageReader>

namespace rb {

Ref<Picture> LoadPicture(const std::filesystem::path& path)
{
    const std::string name = path.filename().string();
    QImageReader reader(QString::fromStdString(path.string()));
    if (reader.format() != "png") {
        qCWarning(rbPicture, "picture '%s': missing or not a PNG file", name.c_str());
        return {};
    }
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > Picture::MaxSide || size.height() > Picture::MaxSide) {
        qCWarning(rbPicture, "picture '%s': a size of %d x %d is refused; at most %d pixels either way", name.c_str(),
                  size.width(), size.height(), Picture::MaxSide);
        return {};
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        qCWarning(rbPicture, "picture '%s': cannot be read: %s", name.c_str(), qUtf8Printable(reader.errorString()));
        return {};
    }
    return PictureFromImage(image);
}

} // namespace rb
