#pragma once

#include "plugin/HostRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace rb {

// A host string: its bytes and text encoding, and the record whose word 1
// points to the length-prefixed run that plug-ins read. The run holds the
// first 255 bytes of a longer string; Bytes keeps them all.
class HostString : public HostRecord {
public:
    HostString(std::string_view bytes, std::uint32_t encoding);

    const std::string& Bytes() const noexcept { return bytes_; }
    std::uint32_t Encoding() const noexcept { return encoding_; }
    void SetEncoding(std::uint32_t encoding) noexcept { encoding_ = encoding; }

    // The text in another encoding; nil when it cannot be converted.
    Ref<HostString> Converted(std::uint32_t encoding) const;

private:
    std::string bytes_;
    std::uint32_t encoding_;
    std::array<unsigned char, 256> run_{};
};

} // namespace rb
