#pragma once
// Length-prefixed strings of the original platform (Str255, Str63).

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Writes text as a length byte and at most capacity bytes (text longer than
// capacity is cut).
void WritePascalString(std::string_view text, unsigned char* out, std::size_t capacity);
std::string ReadPascalString(const unsigned char* in);

} // namespace platform
