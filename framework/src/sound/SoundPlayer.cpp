#include "sound/SoundPlayer.h"

#include "sound/SoundBackend.h"

#include <functional>

Q_LOGGING_CATEGORY(rbSound, "rb.sound")

namespace rb {
namespace {

using MakePlayer = std::unique_ptr<SoundPlayer> (SoundBackend::*)(const std::filesystem::path&);

// Plays through the back end's player, made at the first play.
class DeferredPlayer : public SoundPlayer {
public:
    DeferredPlayer(std::filesystem::path path, MakePlayer make) : path_(std::move(path)), make_(make) {}

    void Play(std::int32_t volume) override
    {
        if (!player_)
            player_ = std::invoke(make_, LoadedSoundBackend(), path_);
        player_->Play(volume);
    }

private:
    std::filesystem::path path_;
    MakePlayer make_;
    std::unique_ptr<SoundPlayer> player_;
};

} // namespace

std::unique_ptr<SoundPlayer> MakeEffectPlayer(const std::filesystem::path& path)
{
    return std::make_unique<DeferredPlayer>(path, &SoundBackend::MakeEffectPlayer);
}

std::unique_ptr<SoundPlayer> MakeMusicPlayer(const std::filesystem::path& path)
{
    return std::make_unique<DeferredPlayer>(path, &SoundBackend::MakeMusicPlayer);
}

bool AudioDeviceFor(const std::string& name)
{
    static bool told = false;
    SoundBackend* backend = LoadedSoundBackend();
    if (backend != nullptr && backend->HasAudioOutput())
        return true;
    if (!told && backend != nullptr)
        qCWarning(rbSound, "sound '%s': no audio device; playing silently", name.c_str());
    told = true;
    return false;
}

} // namespace rb
