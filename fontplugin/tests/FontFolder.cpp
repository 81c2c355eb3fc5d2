#include "FontFolder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kwxtest {

std::string TestData(std::string_view name)
{
    return (std::filesystem::path(RB_TEST_DATA_DIR) / name).string();
}

std::string KidprintFile()
{
    return RB_BUNDLE_DIR "/Resources/Kidprint Regular.scr";
}

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

FontFolder::FontFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kwxfonts-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("no temporary folder");
    folder_ = pattern;
}

FontFolder::~FontFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string FontFolder::Path(std::string_view name) const
{
    return (folder_ / name).string();
}

std::string FontFolder::Copy(const std::string& source, std::string_view name) const
{
    const std::string target = Path(name);
    std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing);
    return target;
}

} // namespace kwxtest
