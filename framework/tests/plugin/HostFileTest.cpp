// Host file objects as the tests' plug-in sees them: through FSSpecs and back.
#include "PluginTestSupport.h"

#include "rb/PluginABI.h"
#include "rb/PluginHost.h"

#include <platform/FileSpecs.h>
#include <platform/MacTypes.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

class HostFileTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { rbtest::LoadTestPlugin(); }

    // A folder of the test program's own temporary home.
    static std::filesystem::path Folder()
    {
        const auto folder = std::filesystem::path(std::getenv("HOME")) / "files";
        std::filesystem::create_directories(folder);
        return folder;
    }

    static rb::Ref<rb::FolderItem> RoundTrip(const std::filesystem::path& path)
    {
        const auto roundTrip = rbtest::Entrypoint<RbHostObject* (*)(RbHostObject*)>(
            "SpecRoundTripTest(file as folderitem) as folderitem");
        const rb::Ref<rb::Object> file = rb::HostFileObject(rb::New<rb::FolderItem>(path));
        return rb::FolderItemOf(rb::AdoptPluginResult(roundTrip(static_cast<RbHostObject*>(rb::HostObjectOf(file)))));
    }

    static std::int32_t SpecNameLength(const std::filesystem::path& path)
    {
        void* entry = rb::RuntimeLookupPluginEntrypoint("folderitem.SpecNameLengthTest(Unused as boolean) as integer");
        return rb::CallFolderItemMethod(entry, rb::New<rb::FolderItem>(path), false);
    }
};

TEST_F(HostFileTest, FilesComeBackFromTheirFSSpecs)
{
    const std::string names[] = {"plain.txt", "F\xC3\xAAte d'\xC3\xA9t\xC3\xA9.txt", "never created",
                                 std::string(63, 'n'), ".hidden"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const auto path = Folder() / name;
        if (name != "never created")
            std::filesystem::create_directories(path);
        EXPECT_EQ(SpecNameLength(path), static_cast<std::int32_t>(name.size()));
        const rb::Ref<rb::FolderItem> back = RoundTrip(path);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->Path(), path);
    }
}

TEST_F(HostFileTest, FilesNoFSSpecCanNameGiveFalseAndLeaveTheSpecAlone)
{
    const std::filesystem::path paths[] = {Folder() / std::string(64, 'n'), Folder() / "no folder" / "file.txt"};
    for (const auto& path : paths) {
        SCOPED_TRACE(path.string());
        EXPECT_EQ(SpecNameLength(path), -1);
        EXPECT_TRUE(RoundTrip(path).IsNil());
    }
}

TEST_F(HostFileTest, CallbacksRefuseWhatIsNoFileOrNoFSSpec)
{
    const auto toSpec = rbtest::Callback<RbREALFSSpecFromFolderItemFn>("REALFSSpecFromFolderItem");
    const auto fromSpec = rbtest::Callback<RbFolderItemFromFSSpecFn>("FolderItemFromFSSpec");
    const rb::Ref<rb::Object> text = rb::NewHostString("/tmp", RB_ENCODING_UTF8);
    const rb::Ref<rb::Object> counter = rb::NewPluginInstance("CounterTest");
    const rb::Ref<rb::Object> file = rb::HostFileObject(rb::New<rb::FolderItem>(Folder() / "a.txt"));
    char notARecord[64] = {};
    RbHostObject* others[] = {nullptr, static_cast<RbHostObject*>(rb::HostObjectOf(text)),
                              static_cast<RbHostObject*>(rb::HostObjectOf(counter)),
                              reinterpret_cast<RbHostObject*>(notARecord)};
    for (RbHostObject* other : others) {
        SCOPED_TRACE(other == nullptr ? "null" : "not a file");
        FSSpec spec{};
        EXPECT_FALSE(toSpec(&spec, other));
        EXPECT_EQ(spec.name[0], 0);
    }
    EXPECT_FALSE(toSpec(nullptr, static_cast<RbHostObject*>(rb::HostObjectOf(file))));

    FSSpec good{};
    ASSERT_TRUE(platform::FSSpecFromPath((Folder() / "a.txt").string(), &good));
    FSSpec unknownFolder = good;
    unknownFolder.parID = 0x7FFFFFF0;
    FSSpec tooLong = good;
    tooLong.name[0] = 64;
    FSSpec otherVolume = good;
    otherVolume.vRefNum = 1;
    FSSpec noName = good;
    noName.name[0] = 0;
    const FSSpec* specs[] = {nullptr, &unknownFolder, &tooLong, &otherVolume, &noName};
    for (const FSSpec* spec : specs) {
        SCOPED_TRACE(spec == nullptr ? "null" : "a spec that names nothing");
        EXPECT_EQ(fromSpec(spec), nullptr);
    }
    EXPECT_EQ(rb::FolderItemOf(rb::AdoptPluginResult(fromSpec(&good)))->Path(), Folder() / "a.txt");
}

TEST_F(HostFileTest, NilHasNoFileObject)
{
    EXPECT_TRUE(rb::HostFileObject(nullptr).IsNil());
    EXPECT_TRUE(rb::FolderItemOf(nullptr).IsNil());
    EXPECT_TRUE(rb::FolderItemOf(rb::NewHostString("/tmp", RB_ENCODING_UTF8)).IsNil());
}

} // namespace
