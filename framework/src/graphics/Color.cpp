#include "rb/Color.h"

#include <algorithm>

namespace rb {
namespace {

std::uint8_t Channel(std::int32_t value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

} // namespace

Color RGB(std::int32_t red, std::int32_t green, std::int32_t blue)
{
    return {Channel(red), Channel(green), Channel(blue)};
}

} // namespace rb
