#include "rb/BinaryStream.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <sys/stat.h>

namespace rb {
namespace {

std::uint64_t ToBigEndian(std::uint64_t value)
{
    if constexpr (std::endian::native == std::endian::little)
        return __builtin_bswap64(value);
    return value;
}

} // namespace

BinaryStream::BinaryStream(int fileDescriptor, bool writable) : fd_(fileDescriptor), writable_(writable) {}

BinaryStream::~BinaryStream()
{
    Close();
}

void BinaryStream::Position(std::int64_t position) noexcept
{
    position_ = position < 0 ? 0 : position;
    eof_ = false;
}

std::int64_t BinaryStream::Length() const
{
    struct stat status {};
    return fd_ >= 0 && fstat(fd_, &status) == 0 ? status.st_size : 0;
}

bool BinaryStream::Read(unsigned char* bytes, std::size_t count)
{
    std::size_t done = 0;
    while (fd_ >= 0 && done < count) {
        const ssize_t got = pread(fd_, bytes + done, count - done, position_ + static_cast<std::int64_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            Fail(errno);
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    position_ += static_cast<std::int64_t>(done);
    eof_ = done < count;
    return !eof_;
}

void BinaryStream::Write(const unsigned char* bytes, std::size_t count)
{
    if (fd_ < 0 || !writable_) {
        Fail(EBADF);
        return;
    }
    std::size_t done = 0;
    while (done < count) {
        const ssize_t put = pwrite(fd_, bytes + done, count - done, position_ + static_cast<std::int64_t>(done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            Fail(put < 0 ? errno : EIO);
            break;
        }
        done += static_cast<std::size_t>(put);
    }
    position_ += static_cast<std::int64_t>(done);
}

double BinaryStream::ReadDouble()
{
    unsigned char bytes[8];
    if (!Read(bytes, sizeof bytes))
        return 0.0;
    std::uint64_t raw;
    std::memcpy(&raw, bytes, sizeof raw);
    return std::bit_cast<double>(ToBigEndian(raw));
}

bool BinaryStream::ReadBoolean()
{
    unsigned char byte = 0;
    return Read(&byte, 1) && byte != 0;
}

void BinaryStream::WriteDouble(double value)
{
    const std::uint64_t raw = ToBigEndian(std::bit_cast<std::uint64_t>(value));
    unsigned char bytes[8];
    std::memcpy(bytes, &raw, sizeof bytes);
    Write(bytes, sizeof bytes);
}

void BinaryStream::WriteBoolean(bool value)
{
    const unsigned char byte = value ? 1 : 0;
    Write(&byte, 1);
}

void BinaryStream::Close() noexcept
{
    if (fd_ >= 0 && close(fd_) != 0 && errno != EINTR)
        Fail(errno);
    fd_ = -1;
}

void BinaryStream::Fail(int code) noexcept
{
    if (lastError_ == 0)
        lastError_ = code;
}

} // namespace rb
