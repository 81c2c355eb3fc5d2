#pragma once

#include <filesystem>

// For tests only: a test program plays the game from a bundle of its own by
// saying where its executable file stands in it (<bundle>/bin/Nubrello).
namespace rb::testing {

void OverrideExecutableFile(std::filesystem::path path);
std::filesystem::path ExecutableFileOverride();

// What RuntimeRun does before its event loop: the application's Open event,
// then the Open events of the windows made so far. Tests then drive the
// program with events of their own.
void OpenApplication();

} // namespace rb::testing
