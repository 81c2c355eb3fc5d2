#include "graphics/PngFile.h"

#include "rb/Picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <zlib.h>

#include <algorithm>

namespace rb {
namespace {

constexpr char Signature[] = "\x89PNG\r\n\x1a\n";
constexpr qsizetype SignatureSize = 8;
// Length, type and checksum around each chunk's data.
constexpr qsizetype ChunkFrame = 12;
// More than the largest picture's pixels, 16 bits a channel, stored uncompressed.
constexpr qint64 MaxFileBytes = qint64(Picture::MaxSide) * Picture::MaxSide * 8 + (1 << 20);

std::uint32_t BigEndian32(const QByteArray& bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])); };
    return byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
}

bool ValidSide(int side)
{
    return side >= 1 && side <= Picture::MaxSide;
}

// The size in the header chunk, which comes first; an empty size where there
// is none.
QSize HeaderSize(const QByteArray& bytes)
{
    if (bytes.size() < SignatureSize + ChunkFrame + 8 || bytes.mid(SignatureSize + 4, 4) != "IHDR")
        return {};
    const auto side = [&](qsizetype at) { return static_cast<int>(std::min<std::uint32_t>(BigEndian32(bytes, at), 1u << 30)); };
    return {side(SignatureSize + 8), side(SignatureSize + 12)};
}

// Every chunk whole and with its checksum, some image data among them, and
// the end.
bool WholeChunks(const QByteArray& bytes)
{
    bool data = false;
    for (qsizetype at = SignatureSize; at + ChunkFrame <= bytes.size();) {
        const std::uint32_t length = BigEndian32(bytes, at);
        if (length > static_cast<std::uint32_t>(bytes.size() - at - ChunkFrame))
            return false;
        const char* type = bytes.constData() + at + 4;
        if (crc32(0, reinterpret_cast<const Bytef*>(type), length + 4) != BigEndian32(bytes, at + 8 + length))
            return false;
        const QByteArray name(type, 4);
        if (name == "IEND")
            return data;
        data = data || name == "IDAT";
        at += ChunkFrame + length;
    }
    return false;
}

} // namespace

std::shared_ptr<const PngFile> PngFile::Read(const std::filesystem::path& path, std::string& complaint)
{
    QFile file(QString::fromStdString(path.string()));
    // The signature and the header first, so that no other file is read whole.
    QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.read(SignatureSize + ChunkFrame + 13) : QByteArray();
    if (!bytes.startsWith(QByteArray(Signature, SignatureSize))) {
        complaint = "missing or not a PNG file";
        return nullptr;
    }
    const QSize size = HeaderSize(bytes);
    if (!ValidSide(size.width()) || !ValidSide(size.height())) {
        complaint = !size.isValid() ? "cannot be read: no header"
                                   : "a size of " + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
                                         " is refused; at most " + std::to_string(Picture::MaxSide) +
                                         " pixels either way";
        return nullptr;
    }
    if (file.size() > MaxFileBytes) {
        complaint = "a file of " + std::to_string(file.size()) + " bytes is refused";
        return nullptr;
    }
    bytes += file.read(file.size() - bytes.size());
    if (!WholeChunks(bytes)) {
        complaint = "cannot be read: the file is damaged or cut short";
        return nullptr;
    }
    return std::make_shared<const PngFile>(path.filename().string(), std::move(bytes), size);
}

QImage PngFile::Decode(std::string& complaint) const
{
    QByteArray bytes = bytes_;
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "png");
    QImage image = reader.read();
    if (image.isNull())
        complaint = "cannot be read: " + reader.errorString().toStdString();
    return image;
}

} // namespace rb
