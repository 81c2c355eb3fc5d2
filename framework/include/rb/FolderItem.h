#pragma once

#include "rb/FrameworkExport.h"
#include "rb/Object.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace rb {

class BinaryStream;
class Picture;
class Sound;

// A file or folder, existing or not, named by its path.
class RB_FRAMEWORK_EXPORT FolderItem : public Object {
public:
    explicit FolderItem(std::filesystem::path path);

    const std::filesystem::path& Path() const noexcept { return path_; }
    std::string Name() const;
    bool Exists() const;
    bool Directory() const;

    // The folder that holds the item; nil for the root.
    Ref<FolderItem> Parent() const;
    // The entry of that name in this folder, existing or not. In the bundle's
    // folders (the one two levels above the executable and all within it),
    // where no entry has exactly that name, the one entry whose name matches
    // without regard to case; elsewhere, the preferences folder included, the
    // exact name only. Nil for a name that is not one entry ("", ".", "..",
    // one with "/").
    Ref<FolderItem> Child(const std::string& name) const;

    // A stream on the existing regular file, read-only or for reading and
    // writing, its contents intact; nil when it cannot be opened.
    Ref<BinaryStream> OpenAsBinaryFile(bool writable) const;
    // A new, empty file opened for reading and writing (an existing one is
    // emptied); nil when it cannot be created. The type is recorded beside the
    // file where the file system allows.
    Ref<BinaryStream> CreateBinaryFile(const std::string& fileType) const;
    // Removes the file, or the folder when it is empty.
    void Delete() const;
    // Why the last OpenAsBinaryFile, CreateBinaryFile or Delete failed, an
    // errno value; 0 when it did not.
    int LastErrorCode() const noexcept { return lastError_; }

    // The file as a picture (PNG) or a sound (WAV, MP3); nil when it is missing
    // or is not one.
    Ref<Picture> OpenAsPicture() const;
    Ref<Sound> OpenAsSound() const;

private:
    Ref<BinaryStream> StreamOn(int fd, bool writable) const;

    std::filesystem::path path_;
    mutable int lastError_ = 0;
};

} // namespace rb
