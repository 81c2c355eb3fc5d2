#pragma once

#include "FrameworkInternal.h"

#include <filesystem>

namespace rb {

// Loads each shared object of the folder, in name order, and calls its entry
// point with the host's resolver. A file that cannot be loaded, or has no entry
// point, is skipped with one line on standard error. A missing folder loads
// nothing.
RB_FRAMEWORK_INTERNAL void LoadPluginsFrom(const std::filesystem::path& folder);

// Once per process: listens for font activations, then loads the bundle's
// "Plugins" folder, the child of the folder two levels above the executable.
RB_FRAMEWORK_INTERNAL void InitializePlugins();

} // namespace rb
