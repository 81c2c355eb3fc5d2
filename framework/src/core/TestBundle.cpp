#include "rb/testing/TestBundle.h"

namespace rb::testing {
namespace {

std::filesystem::path& Override()
{
    static std::filesystem::path path;
    return path;
}

} // namespace

void OverrideExecutableFile(std::filesystem::path path)
{
    Override() = std::move(path);
}

std::filesystem::path ExecutableFileOverride()
{
    return Override();
}

} // namespace rb::testing
