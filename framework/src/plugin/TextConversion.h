#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rb {

// The bytes of a text re-encoded from one text encoding to another (the
// RB_ENCODING_ values). UTF-16 and UTF-32 are read big-endian unless a
// byte-order mark says otherwise, and written big-endian without one.
// Nullopt when the bytes are not valid in their encoding, the text cannot be
// written in the other, or either encoding is unknown or none.
std::optional<std::string> ConvertText(std::string_view bytes, std::uint32_t from, std::uint32_t to);

} // namespace rb
