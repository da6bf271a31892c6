#include "shell/sound.h"

#include "state/module1.h"

#include <QAction>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

Effect_Bank* current_bank = nullptr;

Sound_Player& player()
{
    static Sound_Player current;
    return current;
}

void play_for_real(const QString& path)
{
    // Without an output device the effects are simply not heard; say so once, not per effect.
    if (QMediaDevices::audioOutputs().isEmpty()) {
        static bool told = false;
        if (!told)
            qWarning("No audio output: sound effects are silent.");
        told = true;
        return;
    }
    if (current_bank)
        current_bank->Play(path);
}

}  // namespace

Effect_Bank::Effect_Bank()
{
    current_bank = this;
}

Effect_Bank::~Effect_Bank()
{
    if (current_bank == this)
        current_bank = nullptr;
}

void Effect_Bank::Play(const QString& path)
{
    auto& effect = effects_[path];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
    }
    if (playing_ && playing_ != effect.get())
        playing_->stop();
    effect->stop();
    effect->play();
    playing_ = effect.get();
}

void Set_Sound_Player(Sound_Player p)
{
    player() = std::move(p);
}

void Play_Sound(bool switch_on, const std::string& name)
{
    if (!switch_on)
        return;
    try {
        const QString path = QString::fromStdString(App_Dir + name + ".wav");
        if (player())
            player()(path);
        else
            play_for_real(path);
    } catch (...) {
        // An effect that cannot be played is simply not heard.
    }
}

void Sound_Check(QAction& mnuO2)
{
    static const char* const files[] = {"Dam.wav",  "Dig.wav",     "Stone.wav",
                                        "Gold.wav", "Life.wav",    "Special.wav",
                                        "Schop.wav", "Hight.wav",  "Over.wav"};
    for (const char* file : files) {
        if (!QFileInfo(QString::fromStdString(App_Dir) + QString::fromLatin1(file)).isFile()) {
            mnuO2.setChecked(false);
            mnuO2.setEnabled(false);
            return;
        }
    }
}
