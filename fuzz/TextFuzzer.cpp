// Val on any text, Str of what it reads, and Left, Right and Chr on any count
// and code. The first four bytes are the count, the next four the code, the
// rest the text.
#include "FuzzSupport.h"

#include "rb/Text.h"

#include <cmath>
#include <string_view>

namespace {

void CheckNumber(double value)
{
    const std::string text = rb::Str(value);
    rbfuzz::Require(!text.empty(), "Str gave an empty text");
    rb::Str(rb::DoubleToInteger(value));
    if (!std::isfinite(value))
        return;
    // Str keeps seven significant digits, so reading it back and writing it
    // again gives the same text.
    const double again = rb::Val(text);
    rbfuzz::Require(rb::Str(again) == text, "Str of Val of Str changed the text");
    rbfuzz::Require(std::fabs(again - value) <= std::fabs(value) * 1e-6, "Val of Str is far from the value");
}

void CheckCounts(std::string_view text, std::int32_t count)
{
    const std::string left = rb::Left(text, count);
    const std::string right = rb::Right(text, count);
    rbfuzz::Require(text.starts_with(left), "Left is not a start of the text");
    rbfuzz::Require(text.ends_with(right), "Right is not an end of the text");
}

void CheckCharacter(std::int32_t code)
{
    const std::string character = rb::Chr(code);
    rbfuzz::Require(character.size() <= 4, "Chr gave more than four bytes");
    rbfuzz::Require(rb::Left(character, 1) == character, "Chr gave more than one character");
    rbfuzz::Require(rb::Right(character, 1) == character, "Chr gave more than one character");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::span<const std::uint8_t> input(data, size);
    const auto count = static_cast<std::int32_t>(rbfuzz::Take(input, 4));
    const auto code = static_cast<std::int32_t>(rbfuzz::Take(input, 4));
    const std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
    CheckNumber(rb::Val(text));
    CheckCounts(text, count);
    CheckCharacter(code);
    return 0;
}
