#include "TextEncodings.h"

#include <iconv.h>

#include <vector>

namespace platform {

namespace {

std::optional<std::string> Convert(std::string_view text, const char* to, const char* from)
{
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string input(text);
    std::vector<char> output(text.size() * 4 + 4);
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::nullopt;
    return std::string(output.data(), out);
}

bool IsContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

std::optional<std::string> MacRomanFromUtf8(std::string_view utf8)
{
    return Convert(utf8, "MACINTOSH", "UTF-8");
}

std::optional<std::string> Utf8FromMacRoman(std::string_view macRoman)
{
    return Convert(macRoman, "UTF-8", "MACINTOSH");
}

bool IsUtf8(std::string_view bytes)
{
    return Convert(bytes, "UTF-8", "UTF-8").has_value();
}

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
    constexpr std::size_t kMaxLength = 255;
    if (auto macRoman = MacRomanFromUtf8(utf8))
        return {macRoman->substr(0, kMaxLength), kTextEncodingMacRoman};
    return {std::string(CutUtf8(utf8, kMaxLength)), kTextEncodingUTF8};
}

} // namespace platform
