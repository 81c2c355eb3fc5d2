#include "PascalString.h"

#include <algorithm>
#include <cstring>

namespace platform {

void WritePascalString(std::string_view text, unsigned char* out, std::size_t capacity)
{
    const std::size_t length = std::min(text.size(), capacity);
    out[0] = static_cast<unsigned char>(length);
    std::memcpy(out + 1, text.data(), length);
}

std::string ReadPascalString(const unsigned char* in)
{
    return std::string(reinterpret_cast<const char*>(in + 1), in[0]);
}

} // namespace platform
