#pragma once

#include "rb/Sound.h"

#include <QLoggingCategory>

#include <filesystem>

Q_DECLARE_LOGGING_CATEGORY(rbSound)

namespace rb {

// What plays a sound's file: an effect player for WAV, a media player for MP3.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays from the start at the volume, 0.0 to 1.0 on a linear scale.
    virtual void Play(float volume) = 0;
};

std::unique_ptr<SoundPlayer> MakeEffectPlayer(const std::filesystem::path& path);
std::unique_ptr<SoundPlayer> MakeMusicPlayer(const std::filesystem::path& path);

// True when an audio output exists; the first time it does not, says so for
// the sound of that name.
bool AudioDeviceFor(const std::string& name);

// The file as a sound: a 16-bit PCM WAV or an MP3, checked at once; nil for a
// missing file or one that is neither.
Ref<Sound> LoadSound(const std::filesystem::path& path);

} // namespace rb
