#pragma once
// The plug-in's global methods.

#include <rb/PluginABI.h>

namespace kwx {

// The Font Manager's generation, its 32 bits as a signed Integer.
int32_t FontGenerationCountKWX();
// The family of that name; nil for nil, or when the Font Manager gives family 0.
RbHostObject* GetFontFamilyKWX(RbHostString* name);

} // namespace kwx
