#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>

namespace platform {

// The process's table from directory IDs to folders. IDs start at 2 and are
// never reused; a folder keeps its ID for the life of the process.
class DirectoryTable {
public:
    static DirectoryTable& Instance();

    // The ID of folder, an absolute, normalised path; nullopt when it is not
    // an existing folder or the IDs have run out.
    std::optional<int32_t> IdOf(const std::filesystem::path& folder);
    std::optional<std::filesystem::path> FolderOf(int32_t id) const;

private:
    std::map<std::filesystem::path, int32_t> ids_;
    std::map<int32_t, std::filesystem::path> folders_;
    int32_t nextId_ = 2;
};

} // namespace platform
