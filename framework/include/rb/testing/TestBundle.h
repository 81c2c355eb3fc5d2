#pragma once

#include "rb/FrameworkExport.h"

#include <filesystem>

// For tests only: a test program plays the game from a bundle of its own by
// saying where its executable file stands in it (<bundle>/bin/Nubrello).
namespace rb::testing {

RB_FRAMEWORK_EXPORT void OverrideExecutableFile(std::filesystem::path path);
RB_FRAMEWORK_EXPORT std::filesystem::path ExecutableFileOverride();

// What RuntimeRun does before its event loop: the application's Open event,
// then the Open events of the windows made so far. Tests then drive the
// program with events of their own.
RB_FRAMEWORK_EXPORT void OpenApplication();

} // namespace rb::testing
