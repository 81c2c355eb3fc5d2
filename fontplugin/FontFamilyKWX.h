#pragma once
// FontFamilyKWX: one font family of the Font Manager. Styles and sizes are
// 16-bit: an Integer argument is cut to its low 16 bits.

#include <rb/PluginABI.h>

namespace kwx::FontFamilyKWX {

RbHostObject* Font(RbHostObject* self, int32_t style);
// intrinsicStyle is 0 whenever the Font Manager rejects the request.
RbHostObject* FontWithIntrinsicStyle(RbHostObject* self, int32_t style, int32_t* intrinsicStyle);
// The resource's bytes, tagged as raw bytes; nil for an empty resource.
RbHostString* FontFamilyResource(RbHostObject* self, int32_t style, int32_t size);
RbHostObject* FontContainer(RbHostObject* self, int32_t style, int32_t size);
RbHostObject* Fonts(RbHostObject* self);
// In the family's own text encoding, UTF-16 and UTF-32 made UTF-8.
RbHostString* Name(RbHostObject* self);
int32_t Encoding(RbHostObject* self);
int32_t GenerationCount(RbHostObject* self);

} // namespace kwx::FontFamilyKWX
