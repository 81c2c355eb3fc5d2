#include "graphics/QtPicture.h"

#include <QImageReader>

namespace rb {

Ref<Picture> LoadPicture(const std::filesystem::path& path)
{
    const QString name = QString::fromStdString(path.filename().string());
    QImageReader reader(QString::fromStdString(path.string()));
    if (reader.format() != "png") {
        qCWarning(rbPicture) << "picture" << name << ": missing or not a PNG file";
        return {};
    }
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > Picture::MaxSide || size.height() > Picture::MaxSide) {
        qCWarning(rbPicture) << "picture" << name << ": a size of" << size.width() << "x" << size.height()
                             << "is refused; at most" << Picture::MaxSide << "pixels either way";
        return {};
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        qCWarning(rbPicture) << "picture" << name << ": cannot be read:" << reader.errorString();
        return {};
    }
    return PictureFromImage(image);
}

} // namespace rb
