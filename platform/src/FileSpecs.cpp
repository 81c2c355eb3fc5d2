#include <platform/FileSpecs.h>

#include "DirectoryTable.h"
#include "PascalString.h"

#include <filesystem>
#include <system_error>

namespace platform {

namespace {

constexpr std::size_t kMaxNameLength = 63;

bool IsGoodName(std::string_view name)
{
    return !name.empty() && name.size() <= kMaxNameLength && name != "." && name != ".."
        && name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

std::filesystem::path NormalisedAbsolute(const std::string& path)
{
    std::error_code error;
    auto absolute = std::filesystem::absolute(path, error).lexically_normal();
    if (!absolute.has_filename() && absolute.has_relative_path())
        absolute = absolute.parent_path(); // "folder/" names the folder itself
    return absolute;
}

} // namespace

bool FSSpecFromPath(const std::string& path, FSSpec* out)
{
    if (path.empty() || out == nullptr)
        return false;
    const auto absolute = NormalisedAbsolute(path);
    const std::string name = absolute.filename().string();
    if (!IsGoodName(name))
        return false;
    const auto id = DirectoryTable::Instance().IdOf(absolute.parent_path());
    if (!id)
        return false;
    *out = FSSpec{};
    out->vRefNum = kVolumeRefNum;
    out->parID = *id;
    WritePascalString(name, out->name, kMaxNameLength);
    return true;
}

std::optional<std::string> PathFromFSSpec(const FSSpec& fileSpec)
{
    if (fileSpec.vRefNum != kVolumeRefNum || fileSpec.name[0] > kMaxNameLength)
        return std::nullopt;
    const std::string name = ReadPascalString(fileSpec.name);
    const auto folder = DirectoryTable::Instance().FolderOf(fileSpec.parID);
    if (!folder || !IsGoodName(name))
        return std::nullopt;
    return (*folder / name).string();
}

} // namespace platform
