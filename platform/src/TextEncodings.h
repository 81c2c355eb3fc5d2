#pragma once
// Conversions between UTF-8 and Mac Roman for font names.

#include <platform/MacTypes.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A family name as a Str255 holds it.
struct StoredName {
    std::string bytes;
    TextEncoding encoding;
};

// nullopt when some character of utf8 has no Mac Roman form (or utf8 is not UTF-8).
std::optional<std::string> MacRomanFromUtf8(std::string_view utf8);
std::optional<std::string> Utf8FromMacRoman(std::string_view macRoman);
bool IsUtf8(std::string_view bytes);
// The longest prefix of utf8 of at most maxBytes that ends on a character boundary.
std::string_view CutUtf8(std::string_view utf8, std::size_t maxBytes);
// Mac Roman when every character has a Mac Roman form, else UTF-8; at most 255 bytes.
StoredName StoredNameOf(std::string_view utf8);

} // namespace platform
