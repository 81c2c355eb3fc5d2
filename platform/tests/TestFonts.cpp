#include "TestFonts.h"

#include <platform/FileSpecs.h>

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace platform::test {

namespace {

// Every face that fontconfig lists, with the file, index and first family
// name of each. The configuration is named so that fontconfig does not reload
// itself in the middle of a test.
template <typename Visit>
void VisitFontconfigFaces(Visit visit)
{
    FcPattern* all = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(FcConfigGetCurrent(), all, objects);
    for (int i = 0; fonts != nullptr && i < fonts->nfont; ++i) {
        FcChar8* file = nullptr;
        FcChar8* family = nullptr;
        int index = 0;
        FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file);
        FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family);
        FcPatternGetInteger(fonts->fonts[i], FC_INDEX, 0, &index);
        if (file != nullptr && family != nullptr)
            visit(reinterpret_cast<const char*>(file), index, reinterpret_cast<const char*>(family));
    }
    if (fonts != nullptr)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(all);
}

} // namespace

TemporaryFolder::TemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "rbplatform-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        ADD_FAILURE() << "no temporary folder";
    folder_ = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string TemporaryFolder::Path(std::string_view name) const
{
    return (folder_ / name).string();
}

std::string TemporaryFolder::CopyOfTestFile(std::string_view dataName, std::string_view newName) const
{
    const std::string target = Path(newName.empty() ? dataName : newName);
    std::filesystem::copy_file(TestDataPath(dataName), target, std::filesystem::copy_options::overwrite_existing);
    return target;
}

std::string TestDataPath(std::string_view name)
{
    return (std::filesystem::path(RB_TEST_DATA_DIR) / name).string();
}

FSSpec FileSpecOf(const std::string& path)
{
    FSSpec fileSpec{};
    EXPECT_TRUE(FSSpecFromPath(path, &fileSpec)) << path;
    return fileSpec;
}

std::vector<unsigned char> Str255Of(std::string_view bytes)
{
    std::vector<unsigned char> str255(256, 0);
    str255[0] = static_cast<unsigned char>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), str255.begin() + 1);
    return str255;
}

std::string StringOf(const unsigned char* str255)
{
    return std::string(reinterpret_cast<const char*>(str255 + 1), str255[0]);
}

std::set<std::pair<std::string, int>> FontconfigFaces()
{
    std::set<std::pair<std::string, int>> faces;
    VisitFontconfigFaces([&](const char* file, int index, const char*) { faces.emplace(file, index); });
    return faces;
}

std::set<std::string> FontconfigFamilies()
{
    std::set<std::string> families;
    VisitFontconfigFaces([&](const char*, int, const char* family) { families.emplace(family); });
    return families;
}

} // namespace platform::test
