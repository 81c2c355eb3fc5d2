#include "sound/SoundPlayer.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <string>

namespace rb {
namespace {

// The chunks before a WAV file's data are looked for in its first bytes only.
constexpr std::size_t WavHeadBytes = 64 * 1024;

std::string ReadAt(std::ifstream& file, std::uintmax_t offset, std::size_t count)
{
    std::string bytes(count, '\0');
    file.clear();
    file.seekg(static_cast<std::streamoff>(offset));
    file.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0)));
    return bytes;
}

std::uint32_t Byte(const std::string& bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]);
}

std::uint32_t Little16(const std::string& bytes, std::size_t at)
{
    return Byte(bytes, at) | Byte(bytes, at + 1) << 8;
}

std::uint32_t Little32(const std::string& bytes, std::size_t at)
{
    return Little16(bytes, at) | Little16(bytes, at + 2) << 16;
}

bool IsPcm16Format(const std::string& head, std::size_t at, std::uint32_t size)
{
    if (size < 16)
        return false;
    const std::uint32_t channels = Little16(head, at + 2);
    const std::uint32_t rate = Little32(head, at + 4);
    return Little16(head, at) == 1 && channels >= 1 && channels <= 2 && rate >= 1000 && rate <= 192000 &&
           Little16(head, at + 12) == channels * 2 && Little16(head, at + 14) == 16;
}

// A RIFF WAVE file with a 16-bit PCM format chunk and then some sample data.
bool IsPcm16Wav(const std::string& head, std::uintmax_t fileSize)
{
    if (head.size() < 12 || head.compare(0, 4, "RIFF") != 0 || head.compare(8, 4, "WAVE") != 0)
        return false;
    bool format = false;
    for (std::size_t at = 12; at + 8 <= head.size();) {
        const std::uint32_t size = Little32(head, at + 4);
        const std::size_t body = at + 8;
        if (head.compare(at, 4, "data") == 0)
            return format && size >= 2 && body + 2 <= fileSize;
        if (head.compare(at, 4, "fmt ") == 0) {
            if (body + 16 > head.size() || !IsPcm16Format(head, body, size))
                return false;
            format = true;
        }
        at = body + size + (size & 1);
    }
    return false;
}

bool IsLayer3FrameHeader(const std::string& header)
{
    if (header.size() < 4 || Byte(header, 0) != 0xff || (Byte(header, 1) & 0xe0) != 0xe0)
        return false;
    const std::uint32_t version = (Byte(header, 1) >> 3) & 3;
    const std::uint32_t layer = (Byte(header, 1) >> 1) & 3;
    const std::uint32_t bitrate = Byte(header, 2) >> 4;
    const std::uint32_t rate = (Byte(header, 2) >> 2) & 3;
    return version != 1 && layer == 1 && bitrate != 0 && bitrate != 15 && rate != 3;
}

// An MPEG layer III frame at the start, or after an ID3v2 tag.
bool IsMp3(std::ifstream& file)
{
    const std::string head = ReadAt(file, 0, 10);
    std::uintmax_t frame = 0;
    if (head.size() == 10 && head.compare(0, 3, "ID3") == 0) {
        std::uintmax_t size = 0;
        for (std::size_t at = 6; at < 10; ++at) {
            if (Byte(head, at) >= 0x80)
                return false;
            size = size << 7 | Byte(head, at);
        }
        frame = 10 + size + ((Byte(head, 5) & 0x10) != 0 ? 10 : 0);
    }
    return IsLayer3FrameHeader(ReadAt(file, frame, 4));
}

} // namespace

Ref<Sound> LoadSound(const std::filesystem::path& path)
{
    const std::string name = path.filename().string();
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::ifstream file(path, std::ios::binary);
    if (error || !file) {
        qCWarning(rbSound, "sound '%s': missing or unreadable", name.c_str());
        return {};
    }
    const std::string head = ReadAt(file, 0, WavHeadBytes);
    if (IsPcm16Wav(head, size))
        return New<Sound>(name, MakeEffectPlayer(path));
    if (head.compare(0, 4, "RIFF") != 0 && IsMp3(file))
        return New<Sound>(name, MakeMusicPlayer(path));
    qCWarning(rbSound, "sound '%s': not a 16-bit PCM WAV or an MP3 file", name.c_str());
    return {};
}

} // namespace rb
