#pragma once
// The iterators over all fonts, all families and one family's instances.
// An iterator that was never set up, or was closed, gives nil and ignores
// Reset and Close; it is disposed of once, by Close or by the destructor.

#include <rb/PluginABI.h>

namespace kwx {

namespace FontIteratorKWX {
void Constructor(RbHostObject* self);
void Close(RbHostObject* self);
void Reset(RbHostObject* self);
RbHostObject* NextFont(RbHostObject* self);
} // namespace FontIteratorKWX

namespace FontFamilyIteratorKWX {
void Constructor(RbHostObject* self);
void Close(RbHostObject* self);
void Reset(RbHostObject* self);
// Nil at the end of the walk, and for family 0.
RbHostObject* NextFontFamily(RbHostObject* self);
} // namespace FontFamilyIteratorKWX

// After the set of fonts changed under it, the next call resets the walk once
// and goes on from the family's first instance.
namespace FontFamilyFontIteratorKWX {
void Close(RbHostObject* self);
void Reset(RbHostObject* self);
RbHostObject* NextFont(RbHostObject* self);
// style and size are 0 when the result is nil.
RbHostObject* NextFontWithStyleAndSize(RbHostObject* self, int32_t* style, int32_t* size);
} // namespace FontFamilyFontIteratorKWX

} // namespace kwx
