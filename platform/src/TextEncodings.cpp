#include <platform/TextEncodings.h>

#include <iconv.h>

#include <cerrno>
#include <memory>
#include <string_view>

namespace platform {
namespace {

using namespace std::string_view_literals;

// iconv's name for text written in the encoding: Unicode big-endian, no mark.
const char* WrittenName(TextEncoding encoding)
{
    switch (encoding) {
    case kTextEncodingMacRoman: return "MACINTOSH";
    case kTextEncodingASCII: return "ASCII";
    case kTextEncodingUTF8: return "UTF-8";
    case kTextEncodingUTF16: return "UTF-16BE";
    case kTextEncodingUTF32: return "UTF-32BE";
    default: return nullptr;
    }
}

struct Reading {
    const char* name;
    std::size_t markLength;
};

// How to read the bytes: iconv alone would take unmarked UTF-16 and UTF-32 in
// the machine's byte order, so the mark is read here.
Reading ReadingOf(TextEncoding encoding, std::string_view bytes)
{
    if (encoding == kTextEncodingUTF16 && bytes.starts_with("\xFF\xFE"sv))
        return {"UTF-16LE", 2};
    if (encoding == kTextEncodingUTF16 && bytes.starts_with("\xFE\xFF"sv))
        return {"UTF-16BE", 2};
    if (encoding == kTextEncodingUTF32 && bytes.starts_with("\xFF\xFE\x00\x00"sv))
        return {"UTF-32LE", 4};
    if (encoding == kTextEncodingUTF32 && bytes.starts_with("\x00\x00\xFE\xFF"sv))
        return {"UTF-32BE", 4};
    return {WrittenName(encoding), 0};
}

struct IconvCloser {
    void operator()(iconv_t converter) const { iconv_close(converter); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

Converter OpenConverter(const char* fromName, TextEncoding to)
{
    const char* toName = WrittenName(to);
    if (fromName == nullptr || toName == nullptr)
        return nullptr;
    iconv_t converter = iconv_open(toName, fromName);
    return Converter(converter == reinterpret_cast<iconv_t>(-1) ? nullptr : converter);
}

bool HoldsTagCharacters(std::string_view utf32)
{
    for (std::size_t at = 0; at + 4 <= utf32.size(); at += 4)
        if (utf32.substr(at, 3) == "\x00\x0E\x00"sv && static_cast<unsigned char>(utf32[at + 3]) < 0x80)
            return true;
    return false;
}

// What iconv takes where it should refuse: UTF-8 copied to UTF-8 may hold code
// points past U+10FFFF, and on the way to an 8-bit encoding the tag characters
// U+E0000 to U+E007F are dropped, while every other character the encoding
// lacks is refused. Reading the text as UTF-32 first catches both.
bool IconvLetsThrough(std::string_view bytes, TextEncoding from, TextEncoding to)
{
    const bool eightBit = to == kTextEncodingMacRoman || to == kTextEncodingASCII;
    if (!eightBit && !(from == kTextEncodingUTF8 && to == kTextEncodingUTF8))
        return false;
    const std::optional<std::string> utf32 = ConvertText(bytes, from, kTextEncodingUTF32);
    return !utf32 || (eightBit && HoldsTagCharacters(*utf32));
}

} // namespace

std::optional<std::string> ConvertText(std::string_view bytes, TextEncoding from, TextEncoding to)
{
    if (IconvLetsThrough(bytes, from, to))
        return std::nullopt;
    const Reading reading = ReadingOf(from, bytes);
    const Converter converter = OpenConverter(reading.name, to);
    if (!converter)
        return std::nullopt;
    std::string input(bytes.substr(reading.markLength));
    // Every supported conversion needs at most four output bytes per input byte.
    std::string output(input.size() * 4 + 8, '\0');
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    if (iconv(converter.get(), &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1))
        return std::nullopt;
    if (iconv(converter.get(), nullptr, nullptr, &out, &outLeft) == static_cast<std::size_t>(-1))
        return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

std::optional<std::string> MacRomanFromUtf8(std::string_view utf8)
{
    return ConvertText(utf8, kTextEncodingUTF8, kTextEncodingMacRoman);
}

std::optional<std::string> Utf8FromMacRoman(std::string_view macRoman)
{
    return ConvertText(macRoman, kTextEncodingMacRoman, kTextEncodingUTF8);
}

bool IsUtf8(std::string_view bytes)
{
    return ConvertText(bytes, kTextEncodingUTF8, kTextEncodingUTF8).has_value();
}

} // namespace platform
