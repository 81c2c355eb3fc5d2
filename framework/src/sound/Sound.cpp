#include "rb/Sound.h"

#include "sound/SoundPlayer.h"

#include <algorithm>

namespace rb {
namespace {

std::function<void(const std::string&, std::int32_t)>& Observer()
{
    static std::function<void(const std::string&, std::int32_t)> observer;
    return observer;
}

} // namespace

Sound::Sound(std::string name, std::unique_ptr<SoundPlayer> player)
    : name_(std::move(name)), player_(std::move(player))
{
}

Sound::~Sound() = default;

void Sound::Play()
{
    if (Observer())
        Observer()(name_, volume_);
    if (AudioDeviceFor(name_))
        player_->Play(volume_);
}

void Sound::Volume(std::int32_t volume)
{
    volume_ = std::clamp(volume, 0, 100);
}

void SetSoundObserver(std::function<void(const std::string& name, std::int32_t volume)> observer)
{
    Observer() = std::move(observer);
}

} // namespace rb
