// Sound effects through a fake player, and the start-up check of the nine effect files.
#include <QAction>
#include <gtest/gtest.h>

#include "core/module1.h"
#include "shell/sound.h"

TEST(Sound_Effects, SwitchedOnAskForTheFileBesideTheProgramSwitchedOffForNothing)
{
    App_Dir = "/games/delvano/";
    QStringList played;
    Set_Sound_Player([&played](const QString& path) { played << path; });
    Play_Sound(false, "Dig");
    Play_Sound(true, "Out");
    Set_Sound_Player(nullptr);
    EXPECT_EQ(played, QStringList{"/games/delvano/Out.wav"});
}

TEST(Sound_Effects, OneMissingFileOfTheNineSwitchesEffectsOffForTheRunButOutIsNotChecked)
{
    App_Dir = "/games/delvano/";
    for (const char* missing : {"Dam.wav", "Over.wav", "Out.wav"}) {
        QAction mnuO2;
        mnuO2.setCheckable(true);
        mnuO2.setChecked(true);
        Sound_Check(mnuO2, [missing](const QString& path) { return !path.endsWith(missing); });
        const bool checked = std::string(missing) == "Out.wav";
        EXPECT_EQ(mnuO2.isChecked(), checked) << missing;
        EXPECT_EQ(mnuO2.isEnabled(), checked) << missing;
    }
}
