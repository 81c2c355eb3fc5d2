#pragma once

#include "rb/FrameworkExport.h"
#include "rb/Object.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace rb {

class SoundPlayer;

// A sound opened from a file (FolderItem::OpenAsSound). With no audio device
// the sound plays silently; the first such play says so on standard error.
class RB_FRAMEWORK_EXPORT Sound : public Object {
public:
    Sound(std::string name, std::unique_ptr<SoundPlayer> player);
    ~Sound() override;

    // Plays the sound from its start, also when it is playing already: two
    // plays in a row sound twice.
    void Play();

    // 0 (silent) to 100 (full, the default); other values are clamped.
    std::int32_t Volume() const noexcept { return volume_; }
    void Volume(std::int32_t volume);

    // The file's name, as "pop.wav".
    const std::string& Name() const noexcept { return name_; }

private:
    std::string name_;
    std::int32_t volume_ = 100;
    std::unique_ptr<SoundPlayer> player_;
};

// For tests: called at every Play with the sound's name and volume, whether or
// not there is an audio device. An empty function removes the observer.
RB_FRAMEWORK_EXPORT void SetSoundObserver(std::function<void(const std::string& name, std::int32_t volume)> observer);

} // namespace rb
