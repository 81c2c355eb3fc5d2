#pragma once
// FontKWX: one font of the Font Manager, and the QuickDraw font lookups.

#include <rb/PluginABI.h>

namespace kwx::FontKWX {

// Property getters.
RbHostString* Format(RbHostObject* self);
RbHostObject* File(RbHostObject* self);

// Methods.
int32_t GenerationCount(RbHostObject* self);
RbHostObject* FontFamily(RbHostObject* self);
// style keeps the caller's value when the Font Manager rejects the font.
RbHostObject* FontFamilyWithStyle(RbHostObject* self, int32_t* style);

// Shared methods: font numbers are 16-bit, sign-extended on the way out.
int32_t GetSystemFont();
int32_t GetApplicationFont();
RbHostString* GetSystemFontName();
RbHostString* GetApplicationFontName();
RbHostString* GetFontName(int32_t fontNumber);
int32_t GetFontNumber(RbHostString* name);

} // namespace kwx::FontKWX
