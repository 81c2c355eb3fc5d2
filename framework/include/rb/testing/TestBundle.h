#pragma once

#include <filesystem>

// For tests only: a test program plays the game from a bundle of its own by
// saying where its executable file stands in it (<bundle>/bin/Nubrello).
namespace rb::testing {

void OverrideExecutableFile(std::filesystem::path path);
std::filesystem::path ExecutableFileOverride();

} // namespace rb::testing
