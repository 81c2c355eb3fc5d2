#pragma once

#include "FrameworkInternal.h"
#include "graphics/PngFile.h"

#include <filesystem>
#include <memory>

namespace rb {

// Reads and checks the PNG files of a folder on worker threads while the
// program starts (PngFile), so that the pictures it then opens one by one are
// ready; their pixels are decoded at their first use. A file is read once
// either way: what it gave is handed over, and forgotten.
class RB_FRAMEWORK_INTERNAL PicturePrefetch {
public:
    // Starts reading every ".png" of the folder, the doubled renderings only
    // where they are wanted (DoubledPicture.h); what an earlier start left
    // untaken is dropped.
    static void Start(const std::filesystem::path& folder);

    // The checked file, when it was prefetched, passed, and has not changed
    // since; otherwise null, and the caller reads the file itself.
    static std::shared_ptr<const PngFile> Take(const std::filesystem::path& file);

    // Stops the workers (each finishes the file in hand), waits for them and
    // drops every file not taken. The program's end does it on every path.
    static void Stop();
};

} // namespace rb
