// The shell: what a start makes of each kind of Delvano.ini, the bytes a save writes, a failed
// save; the readme command's answers to what the system lacks; the effects switched off for a run
// when one of them is missing; which input devices may be a game controller.
#include "rules/high_score_table.h"
#include "shell/controller_devices.h"
#include "shell/message_box.h"
#include "shell/readme_viewer.h"
#include "shell/settings_file.h"
#include "shell/sound.h"
#include "state/module1.h"
#include "support/table.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// A file as the game writes it on 22 November 2002 at 15:30, with some lines (1-based) replaced.
QByteArray File_With(const QList<std::pair<int, QByteArray>>& replaced = {})
{
    QList<QByteArray> lines = {"\"でるぼん Ver3.00 設定ファイル [0211221530]\"", "\"1\"", "50", "-3", "0", "7", "2", "3",
                               "20", "\"ほり太\"", "300", "\"\"", "20", "\"x\"", "10"};
    for (const auto& [line, text] : replaced)
        lines[line - 1] = text;
    return lines.join("\r\n") + "\r\n";
}

// Messages are recorded instead of shown; the game starts far from the defaults.
class Settings : public testing::Test {
protected:
    void SetUp() override
    {
        Set_Msg_Box_Handler([this](const QString& text, Msg_Buttons buttons, Msg_Icon icon) {
            shown.push_back({text, icon});
            EXPECT_EQ(buttons, Msg_Buttons::Ok);
            return Msg_Answer::Ok;
        });
        Wait_Value.fill(777);
        Score_Table = {Score_Entry{"old", 1}, {"old", 1}, {"old", 1}, {"playing", 42}};
    }
    void TearDown() override { Set_Msg_Box_Handler({}), Set_Settings_Clock({}); }
    QByteArray On_Disk(const QString& name = "Delvano.ini") const
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    // What a start hands on: pacing values, all four score entries, the sound switch.
    static std::string Game_State(bool sound)
    {
        std::string state;
        for (int32_t wait : Wait_Value)
            state += std::to_string(wait) + " ";
        for (const Score_Entry& entry : Score_Table)
            state += "| " + entry.Name + ":" + std::to_string(entry.Score) + " ";
        return state + (sound ? "| on" : "| off");
    }

    QTemporaryDir dir;
    QString path = dir.filePath("Delvano.ini");
    std::vector<std::pair<QString, Msg_Icon>> shown;
};

const char* const From_File = "50 -3 0 7 2 3 20 | ほり太:300 | :20 | x:10 | playing:42 | on";
const char* const Defaults = "1 3 1 1 1 1 1 | :0 | :0 | :0 | :0 | on";

// The bytes ("(none)": no file) get the stamp's minute and this second as modification time;
// through_link: they lie elsewhere and Delvano.ini is a link to them.
struct Load_Row : Named_Row {
    QByteArray bytes; int second; Load_Result result; const char* state; bool through_link = false;
};
constexpr Load_Result Missing = Load_Result::Missing, Loaded = Load_Result::Loaded;
constexpr Load_Result Broken = Load_Result::Broken;
QByteArray Header(const char* header) { return File_With({{1, header}}); }
const Load_Row Load_Rows[] = {
    {"missing", "(none)", 0, Missing, Defaults},
    {"a_folder_of_that_name", "(folder)", 0, Missing, Defaults},
    {"saved_by_the_game", File_With(), 0, Loaded, From_File},
    {"touched_in_the_same_minute", File_With(), 59, Loaded, From_File},
    {"touched_a_minute_later", File_With(), 60, Broken, Defaults},
    {"stamp_one_later", Header("\"でるぼん Ver3.00 設定ファイル  [0211221530]\""), 0, Broken, Defaults},
    {"header_of_30", Header("\"でるぼん Ver3.00 設定ファイル [021122153\""), 0, Broken, Defaults},
    {"only_the_stamp_counts", Header("\"Other game Ver09.99 [0211221530] more\""), 0, Loaded, From_File},
    {"sound_on_only_for_1", File_With({{2, "\"2\""}}), 0, Loaded,
     "50 -3 0 7 2 3 20 | ほり太:300 | :20 | x:10 | playing:42 | off"},
    {"switch_kept_when_broken_below", File_With({{2, "\"0\""}, {5, "x"}}), 0, Broken,
     "1 3 1 1 1 1 1 | :0 | :0 | :0 | :0 | off"},
    {"word_for_a_score", File_With({{11, "three"}}), 0, Broken, Defaults},
    {"fifteenth_line_missing", File_With().chopped(4), 0, Broken, Defaults},
    {"shift_jis", QStringEncoder("Shift_JIS").encode(QString::fromUtf8(File_With({{14, "\"でるぼん太郎\""}}))),
     0, Loaded, "50 -3 0 7 2 3 20 | ほり太:300 | :20 | でるぼん太郎:10 | playing:42 | on"},
    {"link_to_another_file", "root:x:0:0:root:/root:/bin/bash\n", 0, Broken, Defaults, true},
};

class Settings_Load_File : public Settings, public testing::WithParamInterface<Load_Row> {};
TEST_P(Settings_Load_File, TakesTheFileOrFallsBackToDefaults)
{
    const Load_Row& row = GetParam();
    if (row.bytes == "(folder)")
        ASSERT_TRUE(QDir(dir.path()).mkdir("Delvano.ini"));
    else if (row.bytes != "(none)") {
        QFile file(row.through_link ? dir.filePath("elsewhere") : path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(row.bytes) == row.bytes.size());
        ASSERT_TRUE(file.flush());
        const QDateTime time = QDateTime(QDate(2002, 11, 22), QTime(15, 30)).addSecs(row.second);
        ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
        ASSERT_TRUE(!row.through_link || QFile::link(file.fileName(), path));
    }
    Set_Settings_Clock([] { return QDateTime(QDate(2024, 1, 5), QTime(9, 7, 59)); });
    bool sound = true;
    EXPECT_EQ(Settings_Load(path, sound), row.result);
    EXPECT_EQ(Game_State(sound), row.state);
    const decltype(shown) once = {{"設定ファイルが壊れているため\r初期状態にクリアして起動します", Msg_Icon::Information}};
    EXPECT_EQ(shown, row.result == Broken ? once : decltype(shown){});
    if (row.bytes == "(folder)")
        return;
    // Set aside as it was (a link as the link) before the save can write anything in its place.
    ASSERT_EQ(Settings_Save(path, sound), Save_Result::Saved);
    const QString aside = "Delvano.ini.rejected-20240105-090759";
    EXPECT_EQ(On_Disk(aside), row.result == Broken ? row.bytes : "(none)");
    EXPECT_EQ(QFileInfo(dir.filePath(aside)).isSymLink(), row.through_link);
    EXPECT_EQ(On_Disk("elsewhere"), row.through_link ? row.bytes : "(none)");
}
INSTANTIATE_TABLE(Settings, Settings_Load_File, Load_Rows);

// What a save finds where it writes, after the game saved ALICE 900, BOB 500, CAROL 100 there and
// DAVE then scored 600: the result, how many files went aside; a failed or waiting save leaves the
// bytes alone and keeps the change. Each saves in the end, and a start reads DAVE among the three.
enum class Found { Time_Moved, Dangling_Link, Link_To_Its_File, Aside_Refused, Locked_By_A_Live_Copy, Disk_Full };
struct Save_Row : Named_Row { Found found; Save_Result result; int aside; };
const Save_Row Save_Rows[] = {
    {"time_moved_is_no_news", Found::Time_Moved, Save_Result::Saved, 1},
    {"dangling_link_set_aside", Found::Dangling_Link, Save_Result::Saved, 1},
    {"link_to_its_file_followed", Found::Link_To_Its_File, Save_Result::Saved, 0},
    {"refused_aside_writes_nothing", Found::Aside_Refused, Save_Result::Failed, 0},
    {"lock_of_a_live_copy_waited_for", Found::Locked_By_A_Live_Copy, Save_Result::Waiting, 0},
    {"full_disk_writes_nothing", Found::Disk_Full, Save_Result::Failed, 0},
};
class Settings_Save_Finds : public Settings, public testing::WithParamInterface<Save_Row> {};
TEST_P(Settings_Save_Finds, KeepsEveryScoreAndWritesNothingThroughALink)
{
    const Found found = GetParam().found;
    const QString name = found == Found::Aside_Refused ? QString(240, 'x') : "Delvano.ini";
    path = dir.filePath(name);  // 240 characters: no rejected-... name that long can exist
    Set_Settings_Clock([] { return QDateTime(QDate(2024, 1, 5), QTime(9, 7)); });
    Score_Table = {Score_Entry{"ALICE", 900}, {"BOB", 500}, {"CAROL", 100}, {"DAVE", 600}};
    Wait_Value = {1, 3, 1, 1, 1, 1, 1};
    ASSERT_EQ(Settings_Save(path, true), Save_Result::Saved);
    QFile file(path);
    int ends[2] = {-1, -1};
    char locked = 0;
    const pid_t holder = found == Found::Locked_By_A_Live_Copy && pipe(ends) == 0 ? fork() : -1;
    if (holder == 0) {  // another process of this program, stopped holding the lock
        QLockFile lock(path + ".lock");
        locked = lock.lock(), (void)!write(ends[1], &locked, 1), pause();
    }
    ASSERT_TRUE(holder < 0 || (read(ends[0], &locked, 1) == 1 && locked));
    if (found == Found::Time_Moved)
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime));
    else if (found == Found::Dangling_Link)
        ASSERT_TRUE(file.remove() && QFile::link("ghost/ghost.ini", path));
    else if (found == Found::Link_To_Its_File)
        ASSERT_TRUE(file.rename(dir.filePath("kept elsewhere")) && QFile::link("kept elsewhere", path));
    else if (found == Found::Aside_Refused)
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("(rejected)") == 10);
    file.close();
    const QByteArray before = On_Disk(name);
    Enter_High_Score();
    rlimit old_limit{}, full{16, 16};  // every write past 16 bytes fails as on a full disk
    getrlimit(RLIMIT_FSIZE, &old_limit), full.rlim_max = old_limit.rlim_max;
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, found == Found::Disk_Full ? &full : &old_limit);
    EXPECT_EQ(Settings_Save(path, true), GetParam().result);
    setrlimit(RLIMIT_FSIZE, &old_limit), std::signal(SIGXFSZ, old_handler);
    EXPECT_EQ(shown.size(), GetParam().result == Save_Result::Failed);  // the message, once
    for (const auto& [text, icon] : shown)
        EXPECT_EQ(text + QString::number(int(icon)), "ディスクにアクセスできなかったため\r設定及びスコアデータを保存できませんでした。3");
    if (GetParam().result != Save_Result::Saved)
        EXPECT_TRUE(On_Disk(name) == before && Unsaved_Score_Changes.size() == 1);
    if (holder > 0)  // gone: its lock is taken over at once
        kill(holder, SIGKILL), waitpid(holder, nullptr, 0);
    if (GetParam().result != Save_Result::Saved && found != Found::Aside_Refused)
        EXPECT_EQ(Settings_Save(path, true), Save_Result::Saved);
    EXPECT_EQ(QDir(dir.path()).entryList({"*.rejected-*"}, QDir::System | QDir::Files).size(), GetParam().aside);
    EXPECT_EQ(QFileInfo(path).isSymLink(), found == Found::Link_To_Its_File);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("ghost")));
    bool sound = false;
    if (found != Found::Aside_Refused) {
        EXPECT_EQ(Settings_Load(path, sound), Load_Result::Loaded);
        EXPECT_EQ(Game_State(sound), "1 3 1 1 1 1 1 | ALICE:900 | DAVE:600 | BOB:500 | DAVE:600 | on");
    }
}
INSTANTIATE_TABLE(Settings, Settings_Save_Finds, Save_Rows);

// A run as root left its file beside the game; the player's runs keep theirs in the configuration
// folder. Its scores join once: a clear stays cleared, and only what root's copy adds later joins,
// with the waits of whichever file was written last.
TEST_F(Settings, AFileInBothPlacesJoinsOnlyWhatItAddsLater)
{
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    const QString app = dir.filePath("program/"), beside = app + "Delvano.ini";
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/Delvano.ini";
    QDir().mkpath(app);
    // At minute m root's copy scores (a name given) or the player's run starts, clears if asked,
    // and saves; what the player's run then holds.
    const auto run = [&](int minute, const char* scored, bool clear = false) {
        Set_Settings_Clock([minute] { return QDateTime(QDate(2024, 1, 5), QTime(9, minute)); });
        Settings_Memory_Now() = {};
        bool sound = true;
        *scored ? Settings_Load(beside, sound) : Settings_Load_Start(config, app, sound);
        Score_Table[Playing_Entry] = {scored, 280 + minute};
        *scored ? (Wait_Value.fill(minute), Enter_High_Score()) : clear ? (Clear_High_Scores(), 0) : 0;
        EXPECT_EQ(Settings_Save(*scored ? beside : config, sound), Save_Result::Saved);
        return Game_State(sound);
    };
    run(1, "ROOT");
    EXPECT_EQ(run(2, ""), "1 1 1 1 1 1 1 | ROOT:281 | :0 | :0 | :282 | on");
    EXPECT_EQ(run(3, "", true), "1 1 1 1 1 1 1 | :0 | :0 | :0 | :283 | on");
    EXPECT_EQ(run(4, ""), "1 1 1 1 1 1 1 | :0 | :0 | :0 | :284 | on");
    run(5, "NEW");
    EXPECT_EQ(run(6, ""), "5 5 5 5 5 5 5 | NEW:285 | :0 | :0 | :286 | on");
    EXPECT_EQ(On_Disk("program/Delvano.ini").count("ROOT"), 1);  // root's file only read
    qunsetenv("XDG_CONFIG_HOME");
}

TEST_F(Settings, ASaveWritesItsStampAndValues)
{
    Set_Settings_Clock([] { return QDateTime(QDate(2024, 1, 5), QTime(9, 7, 59, 900)); });
    Wait_Value = {50, -3, 0, 7, 2147483647, -2147483647 - 1, 12};
    Score_Table = {Score_Entry{"ほり太", 1234}, {"say \"hi\"", -5}, {"", 0}, {"playing", 99}};
    ASSERT_EQ(Settings_Save(path, false), Save_Result::Saved);
    EXPECT_EQ(On_Disk(), QByteArray("\"でるぼん Ver3.00 設定ファイル [2401050907]\"\r\n\"0\"\r\n50\r\n-3\r\n"
                                "0\r\n7\r\n2147483647\r\n-2147483648\r\n12\r\n\"ほり太\"\r\n1234\r\n"
                                "\"say ＂hi＂\"\r\n-5\r\n\"\"\r\n0\r\n"));
    bool sound = true;
    EXPECT_EQ(Settings_Load(path, sound), Load_Result::Loaded);
    EXPECT_EQ(Game_State(sound),
              "50 -3 0 7 2147483647 -2147483648 12 | ほり太:1234 | say ＂hi＂:-5 | :0 | playing:99 | off");
    EXPECT_TRUE(shown.empty());
}

// What the system has, and what the player then meets: the viewer started, a message, or both.
struct Readme_Row : Named_Row { const char* viewer; bool readme_there, starts; const char* met; };
const Readme_Row Readme_Rows[] = {
    {"opens_in_the_viewer", "/usr/bin/xdg-open", true, true, "/usr/bin/xdg-open /game dir/Readme.txt"},
    {"no_viewer", "", true, true, "メモ帳が見つからないため参照できません。"},
    {"no_readme", "/usr/bin/xdg-open", false, true, "Readmeファイルが見つからないため参照できません。"},
    {"viewer_fails", "/usr/bin/xdg-open", true, false, "/usr/bin/xdg-open /game dir/Readme.txt; Readmeを開くことができませんでした。"},
};
class Readme_Command : public testing::TestWithParam<Readme_Row> {};
TEST_P(Readme_Command, OpensTheReadmeOrSaysWhyNot)
{
    const Readme_Row& row = GetParam();
    std::string met;
    Set_Msg_Box_Handler([&met](const QString& text, Msg_Buttons buttons, Msg_Icon icon) {
        met += (met.empty() ? "" : "; ") + text.toStdString();
        EXPECT_TRUE(buttons == Msg_Buttons::Ok && icon == Msg_Icon::None);
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
    mnuO2.setCheckable(true), mnuO2.setChecked(true);
    Sound_Check(mnuO2);
    const bool on = GetParam().switch_on;
    EXPECT_EQ(std::pair(mnuO2.isChecked(), mnuO2.isEnabled()), std::pair(on, on));
    std::string played;
    const QDir dir(folder.path());
    Set_Sound_Player([&](const QString& file) { played += dir.relativeFilePath(file).toStdString(); });
    Play_Sound(mnuO2.isChecked(), "Dig");
    Set_Sound_Player({});
    EXPECT_EQ(played, GetParam().plays);
}
INSTANTIATE_TABLE(Shell, Sound_Check_At_Start, Sound_Rows);

// Nodes of /dev/input, each with the key capabilities the kernel shows for its device, if any.
struct Device_Row : Named_Row { std::vector<std::pair<const char*, const char*>> nodes; bool controller; };
const char* const Keyboard = "1000000000007 ff9f207ac14057ff febeffdfffefffff fffffffffffffffe";
const char* const Mouse = "1f0000 0 0 0 0";  // BTN_LEFT..BTN_EXTRA, just below a joystick's
const Device_Row Device_Rows[] = {
    {"none", {}, false},
    {"keyboard_and_mouse", {{"event0", Keyboard}, {"event1", Mouse}, {"mice", ""}}, false},
    {"joystick_node", {{"event0", Keyboard}, {"js0", ""}}, true},
    {"gamepad_buttons", {{"event0", Keyboard}, {"event7", "7cdb000000000000 0 0 0 0"}}, true},
};
class Controller_Device : public testing::TestWithParam<Device_Row> {};
TEST_P(Controller_Device, SeenByItsNodeOrItsButtons)
{
    QTemporaryDir dev, sys;
    for (const auto& [node, keys] : GetParam().nodes) {
        QFile(dev.filePath(node)).open(QIODevice::WriteOnly);
        const QString capabilities = QStringLiteral("%1/device/capabilities").arg(node);
        QDir(sys.path()).mkpath(capabilities);
        QFile file(sys.filePath(capabilities + "/key"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(keys) >= 0);
    }
    EXPECT_EQ(Controller_Device_Present(dev.path(), sys.path()), GetParam().controller);
}
INSTANTIATE_TABLE(Shell, Controller_Device, Device_Rows);
