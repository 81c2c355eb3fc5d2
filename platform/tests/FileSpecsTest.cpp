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

FSSpec SpecNamed(int32_t parID, const std::string& name, unsigned char length)
{
    FSSpec spec{};
    spec.vRefNum = platform::kVolumeRefNum;
    spec.parID = parID;
    spec.name[0] = length;
    std::memcpy(spec.name + 1, name.data(), std::min<std::size_t>(name.size(), 63));
    return spec;
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
        FSSpec spec{};
        ASSERT_TRUE(FSSpecFromPath(path, &spec));
        EXPECT_EQ(PathFromFSSpec(spec), path);
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
    FSSpec spec{};
    const bool made = FSSpecFromPath("present.ttf", &spec);
    fs::current_path(previous);
    ASSERT_TRUE(made);
    EXPECT_EQ(PathFromFSSpec(spec), (folder_ / "present.ttf").string());
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
        FSSpec spec{};
        spec.parID = 12345;
        EXPECT_FALSE(FSSpecFromPath(path, &spec));
        EXPECT_EQ(int32_t{spec.parID}, 12345) << "a refused path leaves the FSSpec untouched";
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
        FSSpec spec;
    } cases[] = {
        {"unknown directory ID", SpecNamed(0x7FFFFFF0, "present.ttf", 11)},
        {"directory ID 0", SpecNamed(0, "present.ttf", 11)},
        {"another volume", otherVolume},
        {"empty name", SpecNamed(good.parID, "", 0)},
        {"name of 64 bytes", SpecNamed(good.parID, std::string(63, 'n'), 64)},
        {"parent folder", SpecNamed(good.parID, "..", 2)},
        {"this folder", SpecNamed(good.parID, ".", 1)},
        {"slash in name", SpecNamed(good.parID, "../etc", 6)},
        {"zero byte in name", SpecNamed(good.parID, std::string("a\0b", 3), 3)},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(PathFromFSSpec(row.spec), std::nullopt);
    }
}

} // namespace
