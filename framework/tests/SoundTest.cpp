#include "rb/FolderItem.h"
#include "rb/Runtime.h"
#include "rb/Sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <filesystem>

#include <utility>
#include <vector>

namespace {

using rb::Ref;
using rb::Sound;

Ref<Sound> Open(const char* name)
{
    return rb::FolderItem(std::string(RB_TEST_DATA_DIR) + "/" + name).OpenAsSound();
}

// Whether the sound back end's module, beside the framework library, is loaded.
bool BackendLoaded()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&rb::SetSoundObserver), &info) == 0)
        return false;
    const auto path = std::filesystem::path(info.dli_fname).parent_path() / "librbsound.so";
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (module != nullptr)
        dlclose(module);
    return module != nullptr;
}

class SoundTest : public testing::Test {
protected:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "test";
        static char* argv[] = {name, nullptr};
        rb::RuntimeInit(argc, argv);
        rb::SetSoundObserver([this](const std::string& sound, std::int32_t volume) { played_.emplace_back(sound, volume); });
    }
    void TearDown() override { rb::SetSoundObserver({}); }

    std::vector<std::pair<std::string, std::int32_t>> played_;
};

TEST_F(SoundTest, FileThatIsNoPlayableSoundGivesNil)
{
    const char* names[] = {"zero.wav", "brokenheader.wav", "pcm8.wav", "float.wav", "text.mp3", "huge.png",
                           "missing.wav"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Open(name));
    }
}

// The device message is said once per process, and the back end loaded once,
// so one test plays everything.
TEST_F(SoundTest, EachPlayIsSeenWithItsVolumeAndAMissingDeviceIsToldOnce)
{
    auto wav = Open("tone.wav");
    auto mp3 = Open("tone.mp3");
    ASSERT_TRUE(wav);
    ASSERT_TRUE(mp3);
    EXPECT_FALSE(BackendLoaded()) << "opening a sound loaded the back end, which start-up does without";
    testing::internal::CaptureStderr();
    wav->Play();
    wav->Play();
    mp3->Volume(50);
    mp3->Play();
    mp3->Volume(250);
    mp3->Play();
    const std::string said = testing::internal::GetCapturedStderr();
    const std::vector<std::pair<std::string, std::int32_t>> expected = {
        {"tone.wav", 100}, {"tone.wav", 100}, {"tone.mp3", 50}, {"tone.mp3", 100}};
    EXPECT_EQ(played_, expected);
    EXPECT_TRUE(BackendLoaded());
    if (QMediaDevices::audioOutputs().isEmpty()) {
        const std::string told = "sound 'tone.wav': no audio device; playing silently\n";
        EXPECT_NE(said.find(told), std::string::npos) << said;
        EXPECT_EQ(said.find("no audio device"), said.rfind("no audio device")) << said;
    }
}

} // namespace
