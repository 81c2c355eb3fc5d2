#pragma once

#include <QImage>

#include <filesystem>
#include <optional>

namespace rb {

// Decodes the PNG files of a folder on worker threads while the program
// starts, into the form a picture keeps its colour in (PictureColour), so
// that the pictures it then opens one by one are ready. A file is read once
// either way: the picture it gives is handed over, and forgotten.
class PicturePrefetch {
public:
    // Starts decoding every ".png" of the folder, the doubled renderings only
    // where they are wanted (DoubledPicture.h); what an earlier start left
    // untaken is dropped.
    static void Start(const std::filesystem::path& folder);

    // The decoded image of the file, when it was prefetched, decoded without
    // a fault, and has not changed since; otherwise nullopt, and the caller
    // reads the file itself.
    static std::optional<QImage> Take(const std::filesystem::path& file);

    // Stops the workers (each finishes the file in hand), waits for them and
    // drops every image not taken. The program's end does it on every path.
    static void Stop();
};

} // namespace rb
