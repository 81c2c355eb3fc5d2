#include "rb/Text.h"

#include <array>
#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <charconv>
#include <cmath>
#include <limits>

namespace rb {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// The length of the number that starts the text: digits, an optional point
// and digits, then an exponent only when digits follow it.
std::size_t NumberLength(std::string_view text)
{
    std::size_t end = SkipDigits(text, 0);
    if (end < text.size() && text[end] == '.')
        end = SkipDigits(text, end + 1);
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        if (exponent < text.size() && IsDigit(text[exponent]))
            end = SkipDigits(text, exponent);
    }
    return end;
}

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    for (char c : text)
        count += IsContinuationByte(c) ? 0 : 1;
    return count;
}

std::size_t ByteOffsetOfCharacter(std::string_view text, std::size_t character)
{
    std::size_t seen = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (IsContinuationByte(text[at]))
            continue;
        if (seen++ == character)
            return at;
    }
    return text.size();
}

} // namespace

double Val(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    const std::string_view number = text.substr(at, NumberLength(text.substr(at)));
    if (number.empty() || number == ".")
        return 0.0;
    // strtod of the C locale: the decimal point is "." whatever the user's locale,
    // and an overflow gives an infinity, an underflow 0.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const std::string digits(number);
    const double value = strtod_l(digits.c_str(), nullptr, cLocale);
    return negative ? -value : value;
}

std::string Str(std::int32_t value)
{
    return std::to_string(value);
}

std::string Str(double value)
{
    if (value == 0.0)
        return "0";
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 7);
    return std::string(buffer.data(), result.ptr);
}

std::string Left(std::string_view text, std::int32_t count)
{
    if (count <= 0)
        return {};
    return std::string(text.substr(0, ByteOffsetOfCharacter(text, static_cast<std::size_t>(count))));
}

std::string Right(std::string_view text, std::int32_t count)
{
    if (count <= 0)
        return {};
    const std::size_t characters = CharacterCount(text);
    if (static_cast<std::size_t>(count) >= characters)
        return std::string(text);
    return std::string(text.substr(ByteOffsetOfCharacter(text, characters - static_cast<std::size_t>(count))));
}

std::string Chr(std::int32_t code)
{
    if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    const auto c = static_cast<std::uint32_t>(code);
    std::string text;
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    return text;
}

std::int32_t DoubleToInteger(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (value <= lowest)
        return std::numeric_limits<std::int32_t>::min();
    if (value >= highest)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::trunc(value));
}

} // namespace rb
