#include <platform/FileSpecs.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using platform::FSSpecFromPath;
using platform::PathFromFSSpec;

class FileSpecsTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("rbfilespecs-" + std::to_string(getpid()));
        fs::create_directories(folder_);
        std::ofstream(folder_ / "present.ttf") << "x";
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

FSSpec FileSpecNamed(int32_t parID, const std::string& name, unsigned char length)
{
    FSSpec fileSpec{};
    fileSpec.vRefNum = platform::kVolumeRefNum;
    fileSpec.parID = parID;
    fileSpec.name[0] = length;
    std::memcpy(fileSpec.name + 1, name.data(), std::min<std::size_t>(name.size(), 63));
    return fileSpec;
}

TEST_F(FileSpecsTest, PathsRoundTripThroughFSSpecs)
{
    const std::string cases[] = {
        (folder_ / "present.ttf").string(),
        (folder_ / "absent file.otf").string(),
        (folder_ / std::string(63, 'n')).string(),
        (folder_ / "Kidprint Regular.scr").string(),
        (folder_ / "caf\xC3\xA9.ttf").string(),
    };
    for (const auto& path : cases) {
        SCOPED_TRACE(path);
        FSSpec fileSpec{};
        ASSERT_TRUE(FSSpecFromPath(path, &fileSpec));
        EXPECT_EQ(PathFromFSSpec(fileSpec), path);
    }
}

TEST_F(FileSpecsTest, FilesOfOneFolderShareItsDirectoryID)
{
    FSSpec first{};
    FSSpec second{};
    ASSERT_TRUE(FSSpecFromPath((folder_ / "a.ttf").string(), &first));
    ASSERT_TRUE(FSSpecFromPath((folder_ / "sub/../b.ttf").string(), &second));
    EXPECT_EQ(int32_t{first.parID}, int32_t{second.parID});
    EXPECT_EQ(PathFromFSSpec(second), (folder_ / "b.ttf").string());
}

TEST_F(FileSpecsTest, RelativePathsAreTakenFromTheWorkingDirectory)
{
    const fs::path previous = fs::current_path();
    fs::current_path(folder_);
    FSSpec fileSpec{};
    const bool made = FSSpecFromPath("present.ttf", &fileSpec);
    fs::current_path(previous);
    ASSERT_TRUE(made);
    EXPECT_EQ(PathFromFSSpec(fileSpec), (folder_ / "present.ttf").string());
}

TEST_F(FileSpecsTest, PathsWithoutAnFSSpecAreRefused)
{
    const std::string cases[] = {
        (folder_ / std::string(64, 'n')).string(),
        (folder_ / "no such folder" / "font.ttf").string(),
        (folder_ / "present.ttf" / "font.ttf").string(),
        "/",
        "",
    };
    for (const auto& path : cases) {
        SCOPED_TRACE(path);
        FSSpec fileSpec{};
        fileSpec.parID = 12345;
        EXPECT_FALSE(FSSpecFromPath(path, &fileSpec));
        EXPECT_EQ(int32_t{fileSpec.parID}, 12345) << "a refused path leaves the FSSpec untouched";
    }
}

TEST_F(FileSpecsTest, FSSpecsThatNameNoFileGiveNoPath)
{
    FSSpec good{};
    ASSERT_TRUE(FSSpecFromPath((folder_ / "present.ttf").string(), &good));
    FSSpec otherVolume = good;
    otherVolume.vRefNum = 1;
    const struct {
        const char* label;
        FSSpec fileSpec;
    } cases[] = {
        {"unknown directory ID", FileSpecNamed(0x7FFFFFF0, "present.ttf", 11)},
        {"directory ID 0", FileSpecNamed(0, "present.ttf", 11)},
        {"another volume", otherVolume},
        {"empty name", FileSpecNamed(good.parID, "", 0)},
        {"name of 64 bytes", FileSpecNamed(good.parID, std::string(63, 'n'), 64)},
        {"parent folder", FileSpecNamed(good.parID, "..", 2)},
        {"this folder", FileSpecNamed(good.parID, ".", 1)},
        {"slash in name", FileSpecNamed(good.parID, "../etc", 6)},
        {"zero byte in name", FileSpecNamed(good.parID, std::string("a\0b", 3), 3)},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(PathFromFSSpec(row.fileSpec), std::nullopt);
    }
}

} // namespace
