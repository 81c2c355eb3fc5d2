// Every test program runs in a home of its own, on the offscreen Qt platform,
// so that tests run in parallel and never read or write the user's files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::filesystem::path MakeTemporaryHome()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "rbtest-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    return pattern;
}

void UseHome(const std::filesystem::path& home)
{
    const std::pair<const char*, const char*> folders[] = {
        {"XDG_CONFIG_HOME", ".config"}, {"XDG_DATA_HOME", ".local/share"},
        {"XDG_CACHE_HOME", ".cache"}, {"XDG_RUNTIME_DIR", "run"}};
    setenv("HOME", home.c_str(), 1);
    for (const auto& [variable, relative] : folders) {
        const auto folder = home / relative;
        std::filesystem::create_directories(folder);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        setenv(variable, folder.c_str(), 1);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
}

} // namespace

int main(int argc, char** argv)
{
    const auto home = MakeTemporaryHome();
    UseHome(home);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return result;
}
