#include "sound/SoundPlayer.h"

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

// The Qt objects are made at the first play, so that a program that never
// plays (or has no audio device) never starts the audio back end.
class EffectPlayer : public SoundPlayer {
public:
    explicit EffectPlayer(std::filesystem::path path) : path_(std::move(path)) {}

    void Play(float volume) override
    {
        if (!effect_) {
            effect_ = std::make_unique<QSoundEffect>();
            effect_->setSource(UrlOf(path_));
        }
        effect_->setVolume(volume);
        effect_->stop();
        effect_->play();
    }

private:
    std::filesystem::path path_;
    std::unique_ptr<QSoundEffect> effect_;
};

class MusicPlayer : public SoundPlayer {
public:
    explicit MusicPlayer(std::filesystem::path path) : path_(std::move(path)) {}

    void Play(float volume) override
    {
        if (!player_) {
            output_ = std::make_unique<QAudioOutput>();
            player_ = std::make_unique<QMediaPlayer>();
            player_->setAudioOutput(output_.get());
            QObject::connect(player_.get(), &QMediaPlayer::errorOccurred, [name = path_.filename().string()](
                                                                             QMediaPlayer::Error, const QString& error) {
                qCWarning(rbSound, "sound '%s': cannot be played: %s", name.c_str(), qUtf8Printable(error));
            });
            player_->setSource(UrlOf(path_));
        }
        output_->setVolume(volume);
        player_->setPosition(0);
        player_->play();
    }

private:
    std::filesystem::path path_;
    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
};

} // namespace

std::unique_ptr<SoundPlayer> MakeEffectPlayer(const std::filesystem::path& path)
{
    return std::make_unique<EffectPlayer>(path);
}

std::unique_ptr<SoundPlayer> MakeMusicPlayer(const std::filesystem::path& path)
{
    return std::make_unique<MusicPlayer>(path);
}

bool AudioDeviceFor(const std::string& name)
{
    static bool told = false;
    if (!QMediaDevices::audioOutputs().isEmpty())
        return true;
    if (!told)
        qCWarning(rbSound, "sound '%s': no audio device; playing silently", name.c_str());
    told = true;
    return false;
}

} // namespace rb
