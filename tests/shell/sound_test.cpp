// Sound effects through a fake player: which file is asked for, and when nothing is.
#include <gtest/gtest.h>

#include <QAction>
#include <QStringList>

#include "core/module1.h"
#include "shell/sound.h"

namespace {

class Sound_Effects : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        App_Dir = "/games/delvano/";
        Set_Sound_Player([this](const QString& path) { played << path; });
    }
    void TearDown() override { Set_Sound_Player(nullptr); }

    QStringList played;
};

TEST_F(Sound_Effects, SwitchedOffNothingIsPlayedForAnyName)
{
    for (const char* name : {"Dig", "Dam", "Gold", "Out", "Hight"})
        Play_Sound(false, name);
    EXPECT_TRUE(played.isEmpty());
}

TEST_F(Sound_Effects, SwitchedOnThePlayerGetsTheFileBesideTheProgram)
{
    Play_Sound(true, "Dig");
    Play_Sound(true, "Gold");
    EXPECT_EQ(played, (QStringList{"/games/delvano/Dig.wav", "/games/delvano/Gold.wav"}));
}

TEST_F(Sound_Effects, APlayerThatFailsNeverReachesTheCaller)
{
    Set_Sound_Player([](const QString&) { throw std::runtime_error("no audio device"); });
    EXPECT_NO_THROW(Play_Sound(true, "Dam"));
}

TEST_F(Sound_Effects, StartUpCheckLooksUpTheNineFilesInOrder)
{
    QAction mnuO2;
    mnuO2.setCheckable(true);
    mnuO2.setChecked(true);
    QStringList looked_up;
    const int missing = Sound_Check(mnuO2, [&](const QString& path) {
        looked_up << path;
        return true;
    });
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(looked_up.size(), 9);
    EXPECT_EQ(looked_up.first(), "/games/delvano/Dam.wav");
    EXPECT_EQ(looked_up.last(), "/games/delvano/Over.wav");
    EXPECT_FALSE(looked_up.contains("/games/delvano/Out.wav"));
    EXPECT_TRUE(mnuO2.isChecked());
    EXPECT_TRUE(mnuO2.isEnabled());
}

TEST_F(Sound_Effects, OneMissingFileSwitchesEffectsOffForTheRun)
{
    QAction mnuO2;
    mnuO2.setCheckable(true);
    mnuO2.setChecked(true);
    const int missing = Sound_Check(
        mnuO2, [](const QString& path) { return !path.endsWith(QStringLiteral("Stone.wav")); });
    EXPECT_EQ(missing, 1);
    EXPECT_FALSE(mnuO2.isChecked());
    EXPECT_FALSE(mnuO2.isEnabled());
}

TEST_F(Sound_Effects, OutIsNotCheckedButStillAskedFor)
{
    QAction mnuO2;
    mnuO2.setCheckable(true);
    mnuO2.setChecked(false);  // as the settings file left it
    Sound_Check(mnuO2, [](const QString& path) { return !path.endsWith(QStringLiteral("Out.wav")); });
    EXPECT_FALSE(mnuO2.isChecked());
    EXPECT_TRUE(mnuO2.isEnabled());
    Play_Sound(true, "Out");
    EXPECT_EQ(played, QStringList{"/games/delvano/Out.wav"});
}

}  // namespace
