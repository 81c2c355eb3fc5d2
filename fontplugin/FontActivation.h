#pragma once
// The methods of "folderitem" that activate and deactivate a font file.

#include <rb/PluginABI.h>

namespace kwx {

// The Font Manager's status; -1 when the host gives no FSSpec for the file.
int32_t FontActivateKWX(RbHostObject* file, RbBoolean onlyLocal);
int32_t FontDeactivateKWX(RbHostObject* file, RbBoolean onlyLocal);

} // namespace kwx
