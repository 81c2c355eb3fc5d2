#pragma once

#include "rb/FrameworkExport.h"

#include <cstdint>
#include <string>
#include <string_view>

// Text helpers. Texts are UTF-8; Left, Right and Chr count characters, not bytes.
namespace rb {

// The number at the start of a text (leading spaces, a sign, digits, a point,
// an exponent); 0 when there is none. Never throws; a number too large for a
// Double gives an infinity of its sign.
RB_FRAMEWORK_EXPORT double Val(std::string_view text);

RB_FRAMEWORK_EXPORT std::string Str(std::int32_t value);

// At most seven significant digits, trailing zeros and a trailing point
// dropped: 1.0 "1", 0.5 "0.5", 0.7000000000000001 "0.7".
RB_FRAMEWORK_EXPORT std::string Str(double value);

RB_FRAMEWORK_EXPORT std::string Left(std::string_view text, std::int32_t count);
RB_FRAMEWORK_EXPORT std::string Right(std::string_view text, std::int32_t count);

// The character of a Unicode code point, as UTF-8; empty for no valid code point.
RB_FRAMEWORK_EXPORT std::string Chr(std::int32_t code);

// The framework's conversion of a Double to an Integer: truncation toward zero,
// saturated at the Integer's range; not-a-number gives 0.
RB_FRAMEWORK_EXPORT std::int32_t DoubleToInteger(double value);

} // namespace rb
