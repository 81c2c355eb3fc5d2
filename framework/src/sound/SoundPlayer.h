#pragma once

#include "rb/Sound.h"

#include <QLoggingCategory>

#include <cstdint>
#include <filesystem>

Q_DECLARE_LOGGING_CATEGORY(rbSound)

namespace rb {

// What plays a sound's file: an effect player for WAV, a media player for MP3.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays from the start at the volume, 0 to 100.
    virtual void Play(std::int32_t volume) = 0;
};

// Players that make the sound back end's own at their first play, so that
// opening a sound loads no back end.
std::unique_ptr<SoundPlayer> MakeEffectPlayer(const std::filesystem::path& path);
std::unique_ptr<SoundPlayer> MakeMusicPlayer(const std::filesystem::path& path);

// True when a back end and an audio output exist; the first time there is
// none, says so for the sound of that name.
bool AudioDeviceFor(const std::string& name);

// The file as a sound: a 16-bit PCM WAV or an MP3, checked at once; nil for a
// missing file or one that is neither.
Ref<Sound> LoadSound(const std::filesystem::path& path);

} // namespace rb
