#pragma once

#include "rb/FrameworkExport.h"
#include "rb/Object.h"

#include <cstdint>

namespace rb {

// A stream on an open file. Values are big-endian: a Double in 8 bytes
// (IEEE-754), a Boolean in one byte (1 written, any non-zero read as True).
// A read past the end gives 0 or False and sets EndOfFile; a write to a read-only or
// closed stream changes nothing and sets the error code.
//
// The stream keeps the first error it meets (a failed read, write or close:
// no space, an I/O error, a closed or read-only stream) as LastErrorCode, an
// errno value, until the stream ends; a writer checks it after its last write
// and its Close.
class RB_FRAMEWORK_EXPORT BinaryStream : public Object {
public:
    BinaryStream(int fileDescriptor, bool writable);
    ~BinaryStream() override;

    std::int64_t Position() const noexcept { return position_; }
    void Position(std::int64_t position) noexcept;
    std::int64_t Length() const;
    bool EndOfFile() const noexcept { return eof_; }
    int LastErrorCode() const noexcept { return lastError_; }

    double ReadDouble();
    bool ReadBoolean();
    void WriteDouble(double value);
    void WriteBoolean(bool value);
    void Close() noexcept;

private:
    void Fail(int code) noexcept;
    bool Read(unsigned char* bytes, std::size_t count);
    void Write(const unsigned char* bytes, std::size_t count);

    int fd_;
    bool writable_;
    std::int64_t position_ = 0;
    bool eof_ = false;
    int lastError_ = 0;
};

} // namespace rb
