#pragma once

#include "rb/BinaryStream.h"
#include "rb/FolderItem.h"

#include <cstdint>
#include <optional>

// The preferences file "NubrelloPrefs" in the user's preferences folder. From
// its start: the applause threshold (a Double), whether the preferences were
// ever saved (a Boolean) and whether the music is off (a Boolean), in the
// framework stream's encoding, ten bytes with no header. A longer file keeps
// the bytes after them.
class PreferencesFile {
public:
    struct Values {
        double ratio = 0.0;
        bool preferred = false;
        bool quiet = false;
    };

    static constexpr const char* Name = "NubrelloPrefs";
    static constexpr const char* FileType = "NBstream"; // given to a new file
    static constexpr std::int64_t Length = 10;

    // The file in the user's preferences folder, existing or not; nil when
    // there is no such folder.
    static rb::Ref<rb::FolderItem> Item();

    // The values from the stream's position; none when fewer than ten bytes
    // follow it.
    static std::optional<Values> Read(rb::BinaryStream& stream);
    // The values from the start of the stream on.
    static void Write(rb::BinaryStream& stream, const Values& values);

    // A new file at that place holding the values and nothing else; false
    // when it could not be made, written whole or closed.
    static bool Create(const rb::FolderItem& file, const Values& values);
};
