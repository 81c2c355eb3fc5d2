#pragma once

#include <optional>
#include <string>

namespace platform {

// The whole content of a regular file; nullopt when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

} // namespace platform
