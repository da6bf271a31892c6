// Every way a run ends keeps the high-score table in the saved file, and the built game exits
// with 0; no game can be steered into its ending from outside, so those rows run in-process.
#include "core/pacing.h"
#include "desktop/live_desktop.h"
#include "dialogs/form3.h"
#include "dialogs/form4.h"
#include "game_window/form1.h"
#include "rules/high_score_table.h"
#include "rules/sequence.h"
#include "shell/settings_file.h"
#include "state/module1.h"
#include "support/look.h"
#include "support/table.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {
// Nothing_More: the player's last change (the sound switch, or the name dialog closed) and no end
// at all, as a SIGKILL or a lost X server leaves the run; Nothing_Yet: not even that. Signal_Over_Message:
// the sound switch saved, then the disk fills up, the end's save fails, and the signal comes while
// its message is open. Switch_While_Locked: the switch waits unsaved while another copy holds the
// lock, and reaches the disk once the lock is free, with no other change to prompt it.
enum class How { Close_Box, Exit_Command, New_Game_Then_Close, Signal, Nothing_More, Nothing_Yet,
                 Signal_Over_Message, Switch_While_Locked };
enum class When { Playing, Ending, Name_Dialog, Version_Dialog, Built_Game, Second_Copy, Both_Files,
                  Read_Only_Folder, Unwritable_File, Folder_Of_That_Name, Lock_Held };
// table: the names and scores of the saved file, best first; "sound" when its switch is on.
// exit: the built game's exit status.
struct Ending : Named_Row { How how; When when; int signal; const char* table; int exit = 0; };

// A file the game saved at 2001-02-03 04:minute, its stamp and its time alike, so loaded as its own.
void seed_file(const QString& path, int minute = 5, Score_Entry best = {"A", 500})
{
    Set_Settings_Clock([minute] { return QDateTime(QDate(2001, 2, 3), QTime(4, minute)); });
    Score_Table = {{best, {"B", 300}, {"C", 100}, {"", 0}}};
    ASSERT_EQ(Settings_Save(path, false), Save_Result::Saved);
    Set_Settings_Clock({});
}

// The table of a file the game itself saved (its stamp is no longer a seed's).
std::string saved_table(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n");
    if (lines.size() < 15)
        return "not saved";
    if (lines[0].contains("[01020304"))
        return "as seeded";
    const std::string table = lines.mid(9, 6).join(' ').remove('"').toStdString();
    return table + (lines[1] == "\"1\"" ? " sound" : "");
}

// The clock passes every deadline at once; the third wait of the ending runs the test's step.
struct Scripted_Host final : Pacing_Host {
    double now = 0;
    int yields = 0;
    std::function<void()> in_ending;
    double Seconds() override { return now; }
    void Yield_Once() override { QCoreApplication::processEvents(); }
    void Yield_Idle() override { QCoreApplication::processEvents(); }
    void Yield_Until(double deadline) override
    {
        now = std::max(now, deadline) + 0.01;
        if (Game_Mode == Mode_Game_Over && ++yields == 3 && in_ending)
            in_ending();
        QCoreApplication::processEvents();
    }
};

void end_run(Form1& window, const Ending& e)
{
    if (e.how == How::Signal)
        raise(e.signal);
    else if (e.how == How::Nothing_More)
        e.when == When::Playing ? window.mnuO2->trigger() : void(shown<Form4>()->close());
    else if (e.how == How::Signal_Over_Message) {
        window.mnuO2->trigger();
        rlimit old_limit{}, full{16, 16};  // every write past 16 bytes fails as on a full disk
        getrlimit(RLIMIT_FSIZE, &old_limit), full.rlim_max = old_limit.rlim_max;
        setrlimit(RLIMIT_FSIZE, &full);
        QTimer::singleShot(0, [&] { raise(e.signal); }), window.close();  // fires in the box's loop
        setrlimit(RLIMIT_FSIZE, &old_limit);
    } else if (e.how == How::Switch_While_Locked) {
        QLockFile lock(window.Settings_File + ".lock");
        lock.tryLock(0), window.mnuO2->trigger(), QCoreApplication::processEvents();
        EXPECT_EQ(saved_table(window.Settings_File), "not saved");
        lock.unlock();
        Live_Desktop::wait_until([&] { return QCoreApplication::processEvents(), saved_table(window.Settings_File) != "not saved"; });
    } else if (e.how == How::Nothing_Yet)
        return;
    else
        e.how == How::Exit_Command ? window.mnuG5->trigger() : void(window.close());
    QCoreApplication::processEvents();
}

std::string run_in_process(const Ending& e, const QString& file)
{
    Reset_Module1();
    Scripted_Host host;
    Pacing_Host* const real_host = Set_Pacing_Host(&host);
    Form1 window;
    window.Settings_File = file;
    window.Watch_Session_End();
    window.mnuO2->setChecked(false);
    window.show();
    Score_Table = {{{"A", 500}, {"B", 300}, {"C", 100}, {"me", 0}}};
    Wait_Value.fill(2);
    window.mnuG1_Click();
    Score_Table[Playing_Entry].Score = e.when == When::Playing ? 0 : 600;
    if (e.when == When::Ending)
        host.in_ending = [&] {
            e.how == How::New_Game_Then_Close ? window.mnuG1_Click() : end_run(window, e);
        };
    if (e.when == When::Version_Dialog)  // the name dialog opens while it is open, and outlives it
        host.in_ending = [&] { window.mnuH3->trigger(); };
    try {
        if (e.when != When::Playing)
            window.Game_Over();
    } catch (const Overtaken&) {}
    if (Form3* version = shown<Form3>())
        version->close();
    if (Form4* name = shown<Form4>())
        name->Text1->setText("ねこ");
    EXPECT_EQ(window.isEnabled(), !shown<Form4>());  // locked for as long as a dialog is open
    // A message left open waits for ever: the suite's time limit fails the row.
    if (e.when != When::Ending || e.how == How::New_Game_Then_Close)
        end_run(window, e);
    Set_Pacing_Host(real_host);
    return saved_table(file);
}

using Run_Endings = ::testing::TestWithParam<Ending>;
TEST_P(Run_Endings, SavedTableAndExitStatus)
{
    const Ending& e = GetParam();
    QTemporaryDir scratch;
    if (e.when < When::Built_Game) {
        EXPECT_EQ(run_in_process(e, scratch.filePath("Delvano.ini")), e.table);
        return;
    }
    // Root may write anywhere: the game runs as nobody, from a folder it may or may not write.
    const bool read_only = e.when == When::Read_Only_Folder, as_nobody = geteuid() == 0;
    const bool to_config = read_only || e.when == When::Unwritable_File || e.when == When::Folder_Of_That_Name;
    const QString home = scratch.path(), program = home + "/program";
    const QString file = program + "/Delvano.ini";
    ASSERT_TRUE(QDir().mkpath(program));
    for (const QString& name : QDir(DELVANO_PROGRAM_DIR).entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(QStringLiteral(DELVANO_PROGRAM_DIR "/") + name, program + "/" + name));
    const QString config = home + "/config/delvano/Delvano.ini";
    const bool folder = e.when == When::Folder_Of_That_Name;  // the player's file is in the configuration folder
    seed_file(folder ? config : file);
    ASSERT_TRUE(!folder || QDir().mkpath(file));
    if (e.when == When::Both_Files)  // a minute newer, with a better first place
        seed_file(config, 6, {"Z", 900});
    QFile::setPermissions(program, QFile::Permissions(read_only ? 0x5555 : 0x7777));
    const bool foreign = e.when == When::Unwritable_File;  // left by a run as root, say
    ASSERT_TRUE(!foreign || QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadOther));
    const QStringList owned = folder ? QStringList{home, home + "/config", home + "/config/delvano", config}
                                     : QStringList{home, foreign ? home : file};
    for (const QString& own : owned)
        ASSERT_TRUE(!as_nobody || chown(own.toLocal8Bit().constData(), 65534, 65534) == 0);
    bool sound = false;
    if (e.when == When::Second_Copy)  // starts from the same file
        Settings_Load(file, sound);
    qputenv("XDG_CONFIG_HOME", (home + "/config").toUtf8());  // the game inherits it, offscreen too
    const int reads = inotify_init1(IN_NONBLOCK);
    inotify_add_watch(reads, (folder ? config : file).toLocal8Bit().constData(), IN_CLOSE_NOWRITE);
    QLockFile lock(file + ".lock");  // another copy in the middle of its save, for as long as the game runs
    ASSERT_TRUE(e.when != When::Lock_Held || lock.tryLock(0));
    QProcess game;
    const QStringList as_user{"--reuid=65534", "--regid=65534", "--clear-groups", program + "/delvano"};
    game.start(as_nobody ? "setpriv" : program + "/delvano", as_nobody ? as_user : QStringList{});
    // Ready once the game has read the file (it catches SIGTERM before); a game that never does
    // is signalled all the same, and the checks below say what was lost.
    char event[4096];
    Live_Desktop::wait_until([&] { return read(reads, event, sizeof event) > 0; }, 10000);
    close(reads);
    if (e.when == When::Second_Copy) {  // enters a score and saves while the game runs
        Score_Table[Playing_Entry] = {"me", 600};
        Enter_High_Score();
        ASSERT_EQ(Settings_Save(file, true), Save_Result::Saved);
        ASSERT_TRUE(!as_nobody || chown(file.toLocal8Bit().constData(), 65534, 65534) == 0);
    }
    kill(pid_t(game.processId()), e.signal);
    ASSERT_TRUE(game.waitForFinished(10000));
    EXPECT_EQ(game.exitStatus() == QProcess::NormalExit ? game.exitCode() : -1, e.exit);
    // The other place's file, if any, stays as it was.
    EXPECT_EQ(saved_table(file), !to_config ? e.table : folder ? "not saved" : "as seeded");
    const bool config_seeded = e.when == When::Both_Files;
    EXPECT_EQ(saved_table(config), to_config ? e.table : config_seeded ? "as seeded" : "not saved");
}

constexpr How Close_Box = How::Close_Box, Exit_Command = How::Exit_Command, Signal = How::Signal;
constexpr When Playing = When::Playing, Ending_Runs = When::Ending, Name_Dialog = When::Name_Dialog;
constexpr const char *Seeded = "A 500 B 300 C 100", *Me_First = "me 600 A 500 B 300";
constexpr const char *Cat_First = "ねこ 600 A 500 B 300", *Sound_On = "A 500 B 300 C 100 sound";
const Ending Ending_Rows[] = {
    {"Sigterm", Signal, When::Built_Game, SIGTERM, Seeded}, {"Sighup", Signal, When::Built_Game, SIGHUP, Seeded},
    {"Sigint", Signal, When::Built_Game, SIGINT, Seeded},
    {"SigtermFromReadOnlyFolder", Signal, When::Read_Only_Folder, SIGTERM, Seeded},
    {"CloseBoxInPlay", Close_Box, Playing, 0, Seeded}, {"ExitCommandInPlay", Exit_Command, Playing, 0, Seeded},
    {"SigtermInPlay", Signal, Playing, SIGTERM, Seeded}, {"CloseBoxInEnding", Close_Box, Ending_Runs, 0, Me_First},
    {"ExitCommandInEnding", Exit_Command, Ending_Runs, 0, Me_First},
    {"NewGameInEnding", How::New_Game_Then_Close, Ending_Runs, 0, Me_First},
    {"SigtermInEnding", Signal, Ending_Runs, SIGTERM, Me_First},
    {"CloseBoxWithNameDialog", Close_Box, Name_Dialog, 0, Cat_First},
    {"SigintWithNameDialog", Signal, Name_Dialog, SIGINT, Cat_First},
    {"SecondCopySavedMeanwhile", Signal, When::Second_Copy, SIGTERM, Me_First},
    {"SoundSwitchOnDiskWithNoEnd", How::Nothing_More, Playing, 0, Sound_On},
    {"SoundSwitchWaitsForAnotherCopysLock", How::Switch_While_Locked, Playing, 0, Sound_On},
    {"NameOnDiskWithNoEnd", How::Nothing_More, Name_Dialog, 0, Cat_First},
    {"SigtermOverFailureMessage", How::Signal_Over_Message, Playing, SIGTERM, Sound_On},
    {"ScoreOnDiskWithNameDialogOpen", How::Nothing_Yet, Name_Dialog, 0, Me_First},
    {"SigtermWithAFolderOfThatName", Signal, When::Folder_Of_That_Name, SIGTERM, Seeded},
    {"SigtermWhileAnotherCopyHoldsTheLock", Signal, When::Lock_Held, SIGTERM, "as seeded", 1},
    {"VersionDialogClosedFirst", Close_Box, When::Version_Dialog, 0, Cat_First},
    {"SigtermWithFileNobodyMayWrite", Signal, When::Unwritable_File, SIGTERM, Seeded},
    {"SigtermWithNewerConfigFile", Signal, When::Both_Files, SIGTERM, "Z 900 A 500 B 300"},
};
INSTANTIATE_TABLE(, Run_Endings, Ending_Rows);
}  // namespace
