// The readme command's answers to what the system lacks, and the effects switched off for a run
// when one of them is missing.
#include "shell/message_box.h"
#include "shell/readme_viewer.h"
#include "shell/sound.h"
#include "state/module1.h"
#include "support/table.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// What the system has, and what the player then meets: the viewer started, a message, or both.
struct Readme_Row : Named_Row { const char* viewer; bool readme_there, starts; const char* met; };
const Readme_Row Readme_Rows[] = {
    {"opens_in_the_viewer", "/usr/bin/xdg-open", true, true, "/usr/bin/xdg-open /game dir/Readme.txt"},
    {"no_viewer", "", true, true, "メモ帳が見つからないため参照できません。"},
    {"no_readme", "/usr/bin/xdg-open", false, true, "Readmeファイルが見つからないため参照できません。"},
    {"viewer_fails", "/usr/bin/xdg-open", true, false,
     "/usr/bin/xdg-open /game dir/Readme.txt; Readmeを開くことができませんでした。"},
};

class Readme_Command : public testing::TestWithParam<Readme_Row> {};
TEST_P(Readme_Command, OpensTheReadmeOrSaysWhyNot)
{
    const Readme_Row& row = GetParam();
    std::string met;
    Set_Msg_Box_Handler([&met](const QString& text, Msg_Buttons buttons, Msg_Icon icon) {
        met += (met.empty() ? "" : "; ") + text.toStdString();
        EXPECT_EQ(buttons, Msg_Buttons::Ok);
        EXPECT_EQ(icon, Msg_Icon::None);
        return Msg_Answer::Ok;
    });
    const auto readme_there = [&](const QString& file) {
        return row.readme_there && file == "/game dir/Readme.txt";
    };
    const auto start = [&](const QString& program, const QStringList& arguments) {
        // The path stays one argument, spaces and all.
        met += (program + " " + arguments.join('|')).toStdString();
        return row.starts && arguments.size() == 1;
    };
    Set_Readme_System({[&] { return QString::fromUtf8(row.viewer); }, readme_there, start});
    Show_Readme("/game dir/");
    Set_Readme_System({}), Set_Msg_Box_Handler({});
    EXPECT_EQ(met, row.met);
}
INSTANTIATE_TABLE(Shell, Readme_Command, Readme_Rows);

// The effects in the program folder: the switch afterwards and what a dig then plays.
struct Sound_Row : Named_Row { const char* missing; bool switch_on; const char* plays; };
const Sound_Row Sound_Rows[] = {
    {"all_there", "", true, "Dig.wav"}, {"first_missing", "Dam.wav", false, ""},
    {"last_checked_missing", "Over.wav", false, ""}, {"squeeze_is_not_checked", "Out.wav", true, "Dig.wav"}};

class Sound_Check_At_Start : public testing::TestWithParam<Sound_Row> {};
TEST_P(Sound_Check_At_Start, GreysTheSwitchWhenAnEffectIsMissing)
{
    QTemporaryDir folder;
    for (QString effect : {"Dam", "Dig", "Stone", "Gold", "Life", "Special", "Schop", "Hight", "Over", "Out"})
        if (effect + ".wav" != GetParam().missing)  // an empty file serves
            QFile(folder.filePath(effect + ".wav")).open(QIODevice::WriteOnly);
    App_Dir = folder.path().toStdString() + "/";
    QAction mnuO2(nullptr);
    mnuO2.setCheckable(true);
    mnuO2.setChecked(true);
    Sound_Check(mnuO2);
    EXPECT_EQ(mnuO2.isChecked(), GetParam().switch_on);
    EXPECT_EQ(mnuO2.isEnabled(), GetParam().switch_on);
    std::string played;
    const QDir dir(folder.path());
    Set_Sound_Player([&](const QString& file) { played += dir.relativeFilePath(file).toStdString(); });
    Play_Sound(mnuO2.isChecked(), "Dig");
    Set_Sound_Player({});
    EXPECT_EQ(played, GetParam().plays);
}
INSTANTIATE_TABLE(Shell, Sound_Check_At_Start, Sound_Rows);
