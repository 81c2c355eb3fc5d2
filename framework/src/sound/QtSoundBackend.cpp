// The sound back end module (librbsound.so): Qt Multimedia's players.

#include "sound/SoundBackend.h"

#include <QAudio>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QUrl>

Q_LOGGING_CATEGORY(rbSound, "rb.sound")

namespace rb {
namespace {

QUrl UrlOf(const std::filesystem::path& path)
{
    return QUrl::fromLocalFile(QString::fromStdString(path.string()));
}

float LinearVolume(std::int32_t volume)
{
    return QAudio::convertVolume(static_cast<float>(volume) / 100.0f, QAudio::LogarithmicVolumeScale,
                                 QAudio::LinearVolumeScale);
}

class EffectPlayer : public SoundPlayer {
public:
    explicit EffectPlayer(const std::filesystem::path& path) { effect_.setSource(UrlOf(path)); }

    void Play(std::int32_t volume) override
    {
        effect_.setVolume(LinearVolume(volume));
        effect_.stop();
        effect_.play();
    }

private:
    QSoundEffect effect_;
};

class MusicPlayer : public SoundPlayer {
public:
    explicit MusicPlayer(const std::filesystem::path& path)
    {
        player_.setAudioOutput(&output_);
        QObject::connect(&player_, &QMediaPlayer::errorOccurred,
                         [name = path.filename().string()](QMediaPlayer::Error, const QString& error) {
                             qCWarning(rbSound, "sound '%s': cannot be played: %s", name.c_str(), qUtf8Printable(error));
                         });
        player_.setSource(UrlOf(path));
    }

    void Play(std::int32_t volume) override
    {
        output_.setVolume(LinearVolume(volume));
        player_.setPosition(0);
        player_.play();
    }

private:
    QAudioOutput output_;
    QMediaPlayer player_;
};

class QtSoundBackend : public SoundBackend {
public:
    std::unique_ptr<SoundPlayer> MakeEffectPlayer(const std::filesystem::path& path) override
    {
        return std::make_unique<EffectPlayer>(path);
    }

    std::unique_ptr<SoundPlayer> MakeMusicPlayer(const std::filesystem::path& path) override
    {
        return std::make_unique<MusicPlayer>(path);
    }

    bool HasAudioOutput() override { return !QMediaDevices::audioOutputs().isEmpty(); }
};

} // namespace
} // namespace rb

extern "C" __attribute__((visibility("default"))) rb::SoundBackend* RbSoundBackend()
{
    static rb::QtSoundBackend backend;
    return &backend;
}
