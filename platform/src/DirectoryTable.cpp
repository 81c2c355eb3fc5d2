#include "DirectoryTable.h"

#include <limits>
#include <system_error>

namespace platform {

DirectoryTable& DirectoryTable::Instance()
{
    static DirectoryTable table;
    return table;
}

std::optional<int32_t> DirectoryTable::IdOf(const std::filesystem::path& folder)
{
    if (const auto known = ids_.find(folder); known != ids_.end())
        return known->second;
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error) || nextId_ == std::numeric_limits<int32_t>::max())
        return std::nullopt;
    const int32_t id = nextId_++;
    ids_.emplace(folder, id);
    folders_.emplace(id, folder);
    return id;
}

std::optional<std::filesystem::path> DirectoryTable::FolderOf(int32_t id) const
{
    if (const auto known = folders_.find(id); known != folders_.end())
        return known->second;
    return std::nullopt;
}

} // namespace platform
