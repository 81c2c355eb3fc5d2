#pragma once
// FSSpecs over real paths: the folder of a file is registered in a table of
// directory IDs for the life of the process, and the FSSpec holds its ID and
// the file's name (raw bytes of the path's last part).

#include <platform/MacTypes.h>
#include <platform/PlatformExport.h>

#include <optional>
#include <string>

namespace platform {

// The one volume number that FSSpecs carry.
inline constexpr int16_t kVolumeRefNum = -100;

// Fills out for the file at path (relative paths are taken from the working
// directory). The file need not exist, but its folder must. False, with out
// untouched, when the name is empty or longer than 63 bytes or the folder is
// not a folder.
RB_PLATFORM_EXPORT bool FSSpecFromPath(const std::string& path, FSSpec* out);

// The absolute path that fileSpec names; nullopt for another volume, a directory
// ID that the table does not hold, or a name that is empty, longer than 63
// bytes, ".", "..", or holds '/' or a zero byte.
RB_PLATFORM_EXPORT std::optional<std::string> PathFromFSSpec(const FSSpec& fileSpec);

} // namespace platform
