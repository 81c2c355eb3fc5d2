#pragma once
// A family name as a Str255 holds it.

#include <platform/MacTypes.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

struct StoredName {
    std::string bytes;
    TextEncoding encoding;
};

// The longest prefix of utf8 of at most maxBytes that ends on a character boundary.
std::string_view CutUtf8(std::string_view utf8, std::size_t maxBytes);
// Mac Roman when every character has a Mac Roman form, else UTF-8; at most 255 bytes.
StoredName StoredNameOf(std::string_view utf8);

} // namespace platform
