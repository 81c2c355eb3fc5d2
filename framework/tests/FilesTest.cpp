#include "rb/BinaryStream.h"
#include "rb/FolderItem.h"
#include "rb/SpecialFolder.h"
#include "rb/testing/TestBundle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <cerrno>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class FilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::path(std::getenv("HOME")) / testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::create_directories(folder_);
    }

    rb::Ref<rb::FolderItem> Folder() const { return rb::New<rb::FolderItem>(folder_); }

    void WriteFile(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }

    std::string ReadFile(const std::string& name) const
    {
        std::ifstream in(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path folder_;
};

struct CaseBlindCase {
    const char* what;
    const char* executable; // where the executable stands, below the test's folder
    const char* folder;     // the folder asked for its child, below the test's folder
    bool caseBlind;
};

// Names match without regard to case in the bundle's folders only: elsewhere
// (the shared configuration folder) another program's file may differ from
// ours in case alone.
TEST_F(FilesTest, ChildFallsBackToTheOneEntryThatMatchesWithoutCaseWithinTheBundleOnly)
{
    const CaseBlindCase cases[] = {
        {"the bundle's own folder", "bin/Nubrello", ".", true},
        {"a folder within the bundle", "bin/Nubrello", "Resources", true},
        {"a folder beside the bundle", "bundle/bin/Nubrello", "config", false},
        {"no executable file", "", ".", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path folder = (folder_ / c.folder).lexically_normal();
        fs::create_directories(folder / "Resources");
        rb::testing::OverrideExecutableFile(*c.executable ? folder_ / c.executable : fs::path());
        const auto item = rb::New<rb::FolderItem>(folder);
        EXPECT_EQ(item->Child("resources")->Path(), folder / (c.caseBlind ? "Resources" : "resources"));
        EXPECT_EQ(item->Child("Resources")->Path(), folder / "Resources");
        EXPECT_FALSE(item->Child("missing")->Exists());
    }
    rb::testing::OverrideExecutableFile({});
}

TEST_F(FilesTest, ChildPrefersTheExactNameAndRefusesAnAmbiguousFallback)
{
    rb::testing::OverrideExecutableFile(folder_ / "bin" / "Nubrello");
    fs::create_directories(folder_ / "Data");
    fs::create_directories(folder_ / "DATA");
    EXPECT_EQ(Folder()->Child("DATA")->Path(), folder_ / "DATA");
    EXPECT_FALSE(Folder()->Child("data")->Exists());
    rb::testing::OverrideExecutableFile({});
}

TEST_F(FilesTest, ChildIsOneEntryNeverAPath)
{
    for (const char* name : {"", ".", "..", "a/b", "/etc"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(Folder()->Child(name).IsNil());
    }
}

TEST_F(FilesTest, ParentOfTheRootIsNil)
{
    EXPECT_EQ(Folder()->Child("x")->Parent()->Path(), folder_);
    EXPECT_TRUE(rb::New<rb::FolderItem>("/")->Parent().IsNil());
}

TEST_F(FilesTest, StreamRoundTripIsTenBigEndianBytes)
{
    auto stream = Folder()->Child("prefs")->CreateBinaryFile("NBstream");
    ASSERT_FALSE(stream.IsNil());
    stream->WriteDouble(0.5);
    stream->WriteBoolean(true);
    stream->WriteBoolean(false);
    stream->Close();
    EXPECT_EQ(ReadFile("prefs"), std::string("\x3f\xe0\0\0\0\0\0\0\x01\x00", 10));

    auto reader = Folder()->Child("prefs")->OpenAsBinaryFile(false);
    EXPECT_EQ(reader->ReadDouble(), 0.5);
    EXPECT_TRUE(reader->ReadBoolean());
    EXPECT_FALSE(reader->ReadBoolean());
    EXPECT_FALSE(reader->EndOfFile());
}

TEST_F(FilesTest, OverwriteFromTheStartKeepsALongerFilesTail)
{
    WriteFile("prefs", std::string(12, 'x'));
    auto stream = Folder()->Child("prefs")->OpenAsBinaryFile(true);
    stream->Position(0);
    stream->WriteDouble(0.0);
    stream->WriteBoolean(true);
    stream->WriteBoolean(true);
    stream->Close();
    EXPECT_EQ(ReadFile("prefs"), std::string("\0\0\0\0\0\0\0\0\x01\x01xx", 12));
}

TEST_F(FilesTest, ReadPastTheEndGivesZeroAndMarksTheEnd)
{
    WriteFile("short", std::string("\x3f\xe0", 2));
    auto stream = Folder()->Child("short")->OpenAsBinaryFile(false);
    EXPECT_EQ(stream->ReadDouble(), 0.0);
    EXPECT_TRUE(stream->EndOfFile());
    EXPECT_FALSE(stream->ReadBoolean());
}

TEST_F(FilesTest, WriteToAReadOnlyStreamChangesNothing)
{
    WriteFile("file", "abc");
    auto stream = Folder()->Child("file")->OpenAsBinaryFile(false);
    stream->WriteDouble(1.0);
    EXPECT_NE(stream->LastErrorCode(), 0);
    stream->Close();
    stream->WriteBoolean(true);
    EXPECT_EQ(ReadFile("file"), "abc");
}

struct StreamErrorCase {
    const char* what;
    const char* file;
    bool writable;
    void (*use)(rb::BinaryStream& stream, int fd);
    int error;
};

// The first error a stream meets stays for its writer to see after Close,
// whatever the stream does after it.
TEST_F(FilesTest, AStreamKeepsItsFirstErrorPastLaterReadsAndItsClose)
{
    WriteFile("file", "abc");
    const std::string file = (folder_ / "file").string();
    const StreamErrorCase cases[] = {
        {"writes to a full device", "/dev/full", true,
         [](rb::BinaryStream& stream, int) {
             stream.WriteDouble(0.5);
             stream.WriteBoolean(true);
         },
         ENOSPC},
        {"a write to a read-only stream, then a read past the end", file.c_str(), false,
         [](rb::BinaryStream& stream, int) {
             stream.WriteDouble(0.5);
             stream.ReadDouble();
         },
         EBADF},
        {"a close that fails", file.c_str(), true, [](rb::BinaryStream&, int fd) { close(fd); }, EBADF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const int fd = open(c.file, (c.writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        auto stream = rb::New<rb::BinaryStream>(fd, c.writable);
        c.use(*stream, fd);
        stream->Close();
        EXPECT_EQ(stream->LastErrorCode(), c.error);
    }
}

TEST_F(FilesTest, AStreamThatWroteAndClosedWellHasNoError)
{
    auto stream = Folder()->Child("file")->CreateBinaryFile("NBstream");
    stream->WriteDouble(0.5);
    stream->ReadBoolean();
    stream->Close();
    EXPECT_EQ(stream->LastErrorCode(), 0);
}

struct OpenCase {
    const char* what;
    rb::Ref<rb::FolderItem> item;
    bool create; // CreateBinaryFile, else OpenAsBinaryFile for writing
    int error;
};

TEST_F(FilesTest, AFileThatCannotBeOpenedSaysWhy)
{
    fs::create_directories(folder_ / "folder");
    const OpenCase cases[] = {
        {"a folder", Folder()->Child("folder"), false, EISDIR},
        {"a missing file", Folder()->Child("missing"), false, ENOENT},
        {"a new file in a missing folder", Folder()->Child("missing")->Child("file"), true, ENOENT},
        {"a new file", Folder()->Child("made"), true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto stream = c.create ? c.item->CreateBinaryFile("NBstream") : c.item->OpenAsBinaryFile(true);
        EXPECT_EQ(stream.IsNil(), c.error != 0);
        EXPECT_EQ(c.item->LastErrorCode(), c.error);
    }
}

TEST_F(FilesTest, DeleteRemovesTheFileAndSaysWhyItCannot)
{
    WriteFile("file", "abc");
    const auto file = Folder()->Child("file");
    file->Delete();
    EXPECT_EQ(file->LastErrorCode(), 0);
    EXPECT_FALSE(file->Exists());
    file->Delete();
    EXPECT_EQ(file->LastErrorCode(), ENOENT);
}

TEST_F(FilesTest, OpenGivesNilForWhatIsNoReadableFile)
{
    fs::create_directories(folder_ / "folder");
    WriteFile("locked", "abc");
    chmod((folder_ / "locked").c_str(), 0);
    EXPECT_TRUE(Folder()->Child("folder")->OpenAsBinaryFile(false).IsNil());
    EXPECT_TRUE(Folder()->Child("missing")->OpenAsBinaryFile(true).IsNil());
    if (geteuid() != 0) { // root reads every file
        EXPECT_TRUE(Folder()->Child("locked")->OpenAsBinaryFile(false).IsNil());
    }
    EXPECT_TRUE(Folder()->Child("folder")->CreateBinaryFile("NBstream").IsNil());
}

TEST_F(FilesTest, PreferencesIsTheConfigurationFolderMadeOnDemand)
{
    const fs::path config = folder_ / "config";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    auto preferences = rb::SpecialFolder::Preferences();
    ASSERT_FALSE(preferences.IsNil());
    EXPECT_EQ(preferences->Path(), config);
    EXPECT_TRUE(fs::is_directory(config));
}

} // namespace
