#pragma once
// Routines the classes share to hand strings and new instances to the host.

#include <rb/PluginABI.h>

#include <platform/MacTypes.h>

namespace kwx {

// A new host string of the bytes tagged with the encoding; UTF-16 and UTF-32
// text comes back converted to UTF-8. Nil for no bytes, never an empty string.
RbHostString* HostStringFromBytes(const void* bytes, uint32_t count, uint32_t encoding);
// The bytes after the length byte of a Str255, tagged with the encoding.
RbHostString* HostStringFromPascal(const unsigned char* text, uint32_t encoding);
// The four bytes of a format code, most significant first: ASCII, or Mac Roman
// when a byte is 0x80 or more.
RbHostString* FormatCodeString(FourCharCode code);

// The length-prefixed text a host string holds; an empty text for nil.
const unsigned char* PascalTextOf(const RbHostString* string);

// New instances holding the values; nil when the host makes none.
RbHostObject* FontFromHandle(FMFont font);
// Nil, making nothing, when the low 16 bits of the number are 0.
RbHostObject* FontFamilyFromHandle(int32_t family);
// The new object owns the iterator of the record.
RbHostObject* FamilyFontIteratorFromRecord(const FMFontFamilyInstanceIterator& record, FMFontFamily family);

// An Integer argument as a 16-bit Font Manager value: its low 16 bits.
inline int16_t Low16(int32_t value)
{
    return static_cast<int16_t>(value);
}

} // namespace kwx
