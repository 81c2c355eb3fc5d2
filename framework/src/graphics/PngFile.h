#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <filesystem>
#include <memory>
#include <string>

namespace rb {

// A PNG file read whole and checked without decoding it: its signature, a
// header of a size a picture may have, every chunk's checksum, some image data
// and the end. What passes is decoded later, from the bytes read, when its
// pixels are first needed, so that a file is opened once.
class PngFile {
public:
    // The file when it passes; otherwise null, with the reason in complaint.
    static std::shared_ptr<const PngFile> Read(const std::filesystem::path& path, std::string& complaint);

    QSize Size() const { return size_; }
    // The file's name, as "apple.png".
    const std::string& Name() const { return name_; }

    // The pixels; a null image, with the reason in complaint, where the image
    // data does not decode after all.
    QImage Decode(std::string& complaint) const;

    PngFile(std::string name, QByteArray bytes, QSize size)
        : name_(std::move(name)), bytes_(std::move(bytes)), size_(size)
    {
    }

private:
    std::string name_;
    QByteArray bytes_;
    QSize size_;
};

} // namespace rb
