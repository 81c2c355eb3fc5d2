#include "FuzzSupport.h"

#include "rb/Runtime.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <utility>

// Qt and fontconfig keep memory for the life of the process: no leak reports,
// so that a finding replays alone as it was found; and undefined behaviour
// stops the run.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

extern "C" const char* __ubsan_default_options()
{
    return "halt_on_error=1:print_stacktrace=1";
}

namespace rbfuzz {
namespace {

std::filesystem::path& Home()
{
    static std::filesystem::path home;
    return home;
}

} // namespace

void UseOwnHome()
{
    if (!Home().empty())
        return;
    std::string pattern = (std::filesystem::temp_directory_path() / "rbfuzz-XXXXXX").string();
    Require(mkdtemp(pattern.data()) != nullptr, "cannot make a temporary home");
    Home() = pattern;
    const std::pair<const char*, const char*> folders[] = {
        {"XDG_CONFIG_HOME", ".config"}, {"XDG_DATA_HOME", ".local/share"},
        {"XDG_CACHE_HOME", ".cache"}, {"XDG_RUNTIME_DIR", "run"}};
    setenv("HOME", Home().c_str(), 1);
    for (const auto& [variable, relative] : folders) {
        const auto folder = Home() / relative;
        std::filesystem::create_directories(folder);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        setenv(variable, folder.c_str(), 1);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Every rejected input would otherwise print a warning.
    setenv("QT_LOGGING_RULES", "rb.*=false;qt.*=false", 0);
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(Home(), ignored);
    });
}

void StartApplication()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    UseOwnHome();
    static int argc = 1;
    static char name[] = "rbfuzz";
    static char* argv[] = {name, nullptr};
    rb::RuntimeInit(argc, argv);
}

std::filesystem::path WriteFile(std::span<const std::uint8_t> bytes, const std::string& name)
{
    UseOwnHome();
    const auto path = Home() / name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    Require(static_cast<bool>(file), "cannot write the input to a file");
    return path;
}

void Require(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "rbfuzz: property broken: %s\n", what);
    std::abort();
}

std::uint32_t Take(std::span<const std::uint8_t>& input, std::size_t bytes)
{
    std::uint32_t value = 0;
    const std::size_t count = std::min(bytes, input.size());
    for (std::size_t at = 0; at < count; ++at)
        value |= static_cast<std::uint32_t>(input[at]) << (8 * at);
    input = input.subspan(count);
    return value;
}

std::uint64_t TakeWord(std::span<const std::uint8_t>& input)
{
    const std::uint64_t low = Take(input, 4);
    return static_cast<std::uint64_t>(Take(input, 4)) << 32 | low;
}

} // namespace rbfuzz
