// Sound effects: WAV files beside the program, played in the background. Sound is never
// vital: a missing device or file means silence, nothing else changes.
#pragma once

#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <string>

class QAction;
class QSoundEffect;

// The game window's loaded effects, one object per file so a repeated effect starts without a
// delay. While one exists, `Sound` plays through it; it must go before the application does,
// because its effects hold on to the audio back end.
class Effect_Bank {
public:
    Effect_Bank();
    ~Effect_Bank();
    Effect_Bank(const Effect_Bank&) = delete;
    Effect_Bank& operator=(const Effect_Bank&) = delete;

    // Cuts off the effect still sounding and starts this one.
    void Play(const QString& path);

private:
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* playing_ = nullptr;
};

// Plays the file at path at once, cutting off the effect still sounding; never blocks.
using Sound_Player = std::function<void(const QString& path)>;

// An empty player restores the real one; a test records instead.
void Set_Sound_Player(Sound_Player player);

// `Sound`: with the switch off returns without touching the file system; otherwise asks the
// player for App_Dir + name + ".wav" and never lets a failure reach the caller.
void Play_Sound(bool switch_on, const std::string& name);

// Start-up check of the nine effects in App_Dir (not "Out.wav"): when any is missing, effects
// are off for the whole run and the menu item is greyed out.
void Sound_Check(QAction& mnuO2);
