#include "graphics/DoubledPicture.h"
#include "graphics/PicturePrefetch.h"
#include "graphics/QtPicture.h"

namespace rb {

namespace {

Ref<Picture> LoadDesignSize(const std::filesystem::path& path)
{
    auto png = PicturePrefetch::Take(path);
    std::string complaint;
    if (!png)
        png = PngFile::Read(path, complaint);
    if (!png) {
        qCWarning(rbPicture, "picture '%s': %s", path.filename().string().c_str(), complaint.c_str());
        return {};
    }
    return PictureFromPng(std::move(png));
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
