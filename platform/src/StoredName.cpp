#include "StoredName.h"

#include <platform/TextEncodings.h>

namespace platform {
namespace {

bool IsContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

std::string_view CutUtf8(std::string_view utf8, std::size_t maxBytes)
{
    if (utf8.size() <= maxBytes)
        return utf8;
    std::size_t end = maxBytes;
    while (end > 0 && IsContinuationByte(utf8[end]))
        --end;
    return utf8.substr(0, end);
}

StoredName StoredNameOf(std::string_view utf8)
{
    constexpr std::size_t maxLength = 255;
    if (auto macRoman = MacRomanFromUtf8(utf8))
        return {macRoman->substr(0, maxLength), kTextEncodingMacRoman};
    return {std::string(CutUtf8(utf8, maxLength)), kTextEncodingUTF8};
}

} // namespace platform
