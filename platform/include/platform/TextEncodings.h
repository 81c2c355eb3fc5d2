#pragma once
// Text re-encoded between the text encodings of font names and host strings.

#include <platform/MacTypes.h>
#include <platform/PlatformExport.h>

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The bytes of a text re-encoded from one text encoding to another (the
// kTextEncoding values). UTF-16 and UTF-32 are read big-endian unless a
// byte-order mark says otherwise, and written big-endian without one.
// Nullopt when the bytes are not valid in their encoding, the text cannot be
// written in the other (Mac Roman and ASCII have no tag characters, U+E0000
// to U+E007F), or either encoding is unknown.
RB_PLATFORM_EXPORT std::optional<std::string> ConvertText(std::string_view bytes, TextEncoding from, TextEncoding to);

// ConvertText between UTF-8 and Mac Roman.
RB_PLATFORM_EXPORT std::optional<std::string> MacRomanFromUtf8(std::string_view utf8);
RB_PLATFORM_EXPORT std::optional<std::string> Utf8FromMacRoman(std::string_view macRoman);
// True when the bytes are UTF-8 (no code point past U+10FFFF, no overlong form).
RB_PLATFORM_EXPORT bool IsUtf8(std::string_view bytes);

} // namespace platform
