#include "rb/FolderItem.h"

#include "rb/Application.h"
#include "rb/BinaryStream.h"
#include "graphics/QtPicture.h"
#include "sound/SoundPlayer.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace rb {
namespace {

namespace fs = std::filesystem;

bool IsOneEntryName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

bool SameWithoutCase(const std::string& a, const std::string& b)
{
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The one entry of the folder whose name matches without regard to case.
std::optional<fs::path> EntryWithoutCase(const fs::path& folder, const std::string& name)
{
    std::error_code error;
    std::optional<fs::path> match;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (!SameWithoutCase(entry.path().filename().string(), name))
            continue;
        if (match)
            return std::nullopt;
        match = entry.path();
    }
    return match;
}

// The bundle's own folders, the one two levels above the executable and all
// within it, where names are matched without regard to case.
bool WithinBundle(const fs::path& folder)
{
    const Ref<FolderItem> executable = ExecutableFile();
    if (executable.IsNil())
        return false;
    const fs::path bundle = executable->Path().parent_path().parent_path().lexically_normal();
    const fs::path relative = folder.lexically_normal().lexically_relative(bundle);
    return !relative.empty() && *relative.begin() != "..";
}

} // namespace

FolderItem::FolderItem(std::filesystem::path path) : path_(std::move(path)) {}

std::string FolderItem::Name() const
{
    return path_.filename().string();
}

bool FolderItem::Exists() const
{
    std::error_code error;
    return fs::exists(path_, error);
}

bool FolderItem::Directory() const
{
    std::error_code error;
    return fs::is_directory(path_, error);
}

Ref<FolderItem> FolderItem::Parent() const
{
    const fs::path parent = path_.parent_path();
    if (parent.empty() || parent == path_)
        return {};
    return New<FolderItem>(parent);
}

Ref<FolderItem> FolderItem::Child(const std::string& name) const
{
    if (!IsOneEntryName(name))
        return {};
    fs::path child = path_ / name;
    std::error_code error;
    if (!fs::exists(fs::symlink_status(child, error)) && WithinBundle(path_))
        child = EntryWithoutCase(path_, name).value_or(child);
    return New<FolderItem>(child);
}

Ref<BinaryStream> FolderItem::OpenAsBinaryFile(bool writable) const
{
    const int flags = (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC;
    return StreamOn(open(path_.c_str(), flags), writable);
}

Ref<BinaryStream> FolderItem::CreateBinaryFile(const std::string& fileType) const
{
    const int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int openError = errno;
    if (fd >= 0)
        fsetxattr(fd, "user.rb.filetype", fileType.data(), fileType.size(), 0);
    errno = openError;
    return StreamOn(fd, true);
}

void FolderItem::Delete() const
{
    lastError_ = remove(path_.c_str()) == 0 ? 0 : errno;
}

// A stream on the descriptor when it is a regular file's; errno says why not
// when the open failed.
Ref<BinaryStream> FolderItem::StreamOn(int fd, bool writable) const
{
    struct stat status {};
    if (fd < 0) {
        lastError_ = errno;
        return {};
    }
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        lastError_ = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        close(fd);
        return {};
    }
    lastError_ = 0;
    return New<BinaryStream>(fd, writable);
}

Ref<Picture> FolderItem::OpenAsPicture() const
{
    return LoadPicture(path_);
}

Ref<Sound> FolderItem::OpenAsSound() const
{
    return LoadSound(path_);
}

} // namespace rb
