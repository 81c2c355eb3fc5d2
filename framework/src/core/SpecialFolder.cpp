#include "rb/SpecialFolder.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace rb {
namespace {

namespace fs = std::filesystem;

fs::path HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/')
        return home;
    if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr)
        return user->pw_dir;
    return {};
}

fs::path ConfigurationFolder()
{
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/')
        return config;
    const fs::path home = HomeFolder();
    return home.empty() ? fs::path() : home / ".config";
}

} // namespace

Ref<FolderItem> SpecialFolder::Preferences()
{
    const fs::path folder = ConfigurationFolder();
    std::error_code error;
    if (folder.empty() || (!fs::create_directories(folder, error) && !fs::is_directory(folder, error)))
        return {};
    return New<FolderItem>(folder);
}

} // namespace rb
