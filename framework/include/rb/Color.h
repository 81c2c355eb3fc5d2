#pragma once

#include "rb/FrameworkExport.h"

#include <cstdint>

namespace rb {

// An opaque colour, 8 bits a channel.
struct RB_FRAMEWORK_EXPORT Color {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;

    bool operator==(const Color&) const = default;
};

// A colour from red, green and blue; each is clamped to 0..255.
RB_FRAMEWORK_EXPORT Color RGB(std::int32_t red, std::int32_t green, std::int32_t blue);

} // namespace rb
