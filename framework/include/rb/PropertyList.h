#pragma once

#include "rb/FrameworkExport.h"
#include "rb/Object.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace rb {

// Writes a designed property list: entries of the property's name, one space
// and the value (Integer 4 bytes big-endian, Boolean 1 byte, Color 3 bytes
// red green blue, String a 4-byte big-endian length and UTF-8 bytes, line
// breaks as carriage returns).
//   rb::PropertyList().Integer("Left", 45).Boolean("Visible", true).Bytes()
class RB_FRAMEWORK_EXPORT PropertyList {
public:
    PropertyList& Integer(std::string_view name, std::int32_t value);
    PropertyList& Boolean(std::string_view name, bool value);
    PropertyList& Color(std::string_view name, std::uint32_t rgb);
    PropertyList& String(std::string_view name, std::string_view utf8);

    const std::string& Bytes() const noexcept { return bytes_; }

private:
    void Name(std::string_view name);
    void BigEndian32(std::uint32_t value);

    std::string bytes_;
};

// Applies a designed property list to a window or a control. The whole list
// is decoded against the target's property table first and applied only when
// it is sound: a cut-off entry, a length past the end, a name without its
// space, a property the target does not have or a Boolean byte other than 0
// or 1 throws UsageException naming the target and the property, and nothing
// is set. A nil target throws NilObjectException.
RB_FRAMEWORK_EXPORT void SetProperties(Ref<Object> target, std::string_view list);

} // namespace rb
