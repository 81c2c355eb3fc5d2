#pragma once

#include "sound/SoundPlayer.h"

#include <filesystem>
#include <memory>

namespace rb {

// What plays sounds: Qt Multimedia, in a module of its own (librbsound.so,
// beside the framework), since with the dozens of libraries it brings it
// would lengthen every start-up; it is loaded at the first play.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    virtual std::unique_ptr<SoundPlayer> MakeEffectPlayer(const std::filesystem::path& path) = 0;
    virtual std::unique_ptr<SoundPlayer> MakeMusicPlayer(const std::filesystem::path& path) = 0;
    virtual bool HasAudioOutput() = 0;
};

// The module's one entry point: its back end, which lives as long as the process.
extern "C" using SoundBackendEntry = SoundBackend* ();
inline constexpr const char* SoundBackendEntryName = "RbSoundBackend";
inline constexpr const char* SoundBackendModuleName = "librbsound.so";

// The back end, loaded on the first call; nullptr when the module cannot be
// loaded, which the first such call says on standard error.
SoundBackend* LoadedSoundBackend();

} // namespace rb
