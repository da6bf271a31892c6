// The settings file of an installed game: a program folder the player cannot write sends
// Delvano.ini to the user's configuration folder, and the next start reads it back from there.
#include <chrono>
#include <thread>

#include <unistd.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "desktop/installed_game.h"
#include "shell/settings_file.h"

namespace {

using namespace std::chrono_literals;

// Settings_Path names its configuration folder after the application, which is "delvano" in
// the game and the test binary's name here.
class As_The_Game {
public:
    As_The_Game() : saved_(QCoreApplication::applicationName())
    {
        QCoreApplication::setApplicationName(QStringLiteral("delvano"));
    }
    ~As_The_Game() { QCoreApplication::setApplicationName(saved_); }

private:
    QString saved_;
};

class Settings_Location : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(config.isValid());
        saved_config = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    }
    void TearDown() override
    {
        if (saved_config.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", saved_config);
    }
    QString in_config() const { return config.path() + QStringLiteral("/delvano/Delvano.ini"); }

    As_The_Game as_the_game;
    QTemporaryDir config;
    QByteArray saved_config;
};

TEST_F(Settings_Location, WritableProgramFolderKeepsTheFileBesideTheGameAndLeavesNoProbe)
{
    QTemporaryDir program;
    ASSERT_TRUE(program.isValid());
    const QString app_dir = program.path() + "/";
    EXPECT_EQ(Settings_Path(app_dir), app_dir + "Delvano.ini");
    EXPECT_TRUE(QDir(program.path()).isEmpty());
}

// Tests run as root, for whom permission bits stop nothing; these folders refuse a new file to
// root as well.
TEST_F(Settings_Location, FolderThatCannotTakeAFileSendsItToTheConfigurationFolder)
{
    EXPECT_EQ(Settings_Path(QStringLiteral("/proc/")), in_config());
    EXPECT_EQ(Settings_Path(QStringLiteral("/proc/self/")), in_config());

    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    QFile in_the_way(scratch.filePath("lib"));
    ASSERT_TRUE(in_the_way.open(QIODevice::WriteOnly));
    in_the_way.close();
    EXPECT_EQ(Settings_Path(scratch.filePath("lib") + "/"), in_config());
}

// The installed game under its own X server, run by a user who cannot write the program
// folder (root runs it as nobody, since root may write anywhere), closed through its menu so
// that it saves.
class Installed_Game_Settings : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* needed : {"Xvfb", "xdotool"})
            if (Tool(needed).isEmpty())
                GTEST_SKIP() << needed << " is not installed";
        if (geteuid() == 0 && Tool("setpriv").isEmpty())
            GTEST_SKIP() << "setpriv is needed to run the game as a user other than root";
        program = Installed_Program_Dir();
        ASSERT_FALSE(program.isEmpty()) << Install_Log().toStdString();
        ASSERT_TRUE(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner
                                                       | QFile::ReadGroup | QFile::ExeGroup
                                                       | QFile::ReadOther | QFile::ExeOther));
        ASSERT_TRUE(home.isValid());
        if (geteuid() == 0) {
            ASSERT_EQ(chown(home.path().toLocal8Bit().constData(), 65534, 65534), 0);
        }
        config = home.path() + "/config";

        // -displayfd picks a free display and tells us its number.
        xvfb.start(Tool("Xvfb"), {"-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp"});
        ASSERT_TRUE(xvfb.waitForStarted());
        for (int i = 0; i < 100 && !xvfb.canReadLine(); ++i)
            xvfb.waitForReadyRead(100);
        display = ":" + QString::fromLatin1(xvfb.readLine()).trimmed();
        ASSERT_NE(display, ":");
    }

    void TearDown() override
    {
        if (program.isEmpty())
            return;
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                           | QFile::ReadGroup | QFile::ExeGroup
                                           | QFile::ReadOther | QFile::ExeOther);
        xvfb.kill();
        xvfb.waitForFinished();
    }

    QProcessEnvironment x_env() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        return env;
    }

    Run_Result xdotool(const QStringList& args)
    {
        return Run_Tool(Tool("xdotool"), args, 20000, x_env());
    }

    // Starts the installed launcher, optionally flips the sound switch, and quits through
    // ゲーム > でるぼんの終了. Returns the game's exit code, or -1 when it did not end by itself.
    int play_once(bool flip_sound)
    {
        QProcessEnvironment env = x_env();
        env.remove("QT_QPA_PLATFORM");
        env.remove("XDG_RUNTIME_DIR");
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", config);
        QProcess game;
        game.setProcessEnvironment(env);
        game.setProcessChannelMode(QProcess::MergedChannels);
        const QString launcher = Installed_Prefix() + "/bin/delvano";
        if (geteuid() == 0)
            game.start(Tool("setpriv"), {"--reuid=65534", "--regid=65534", "--clear-groups", launcher});
        else
            game.start(launcher, {});
        if (!game.waitForStarted())
            return -1;
        const Run_Result found = xdotool({"search", "--sync", "--name", QStringLiteral("でるぼん")});
        const QString window = found.output.trimmed().split('\n').first();
        if (!found.finished || window.isEmpty()) {
            game.kill();
            game.waitForFinished();
            ADD_FAILURE() << "no game window: " << game.readAll().toStdString();
            return -1;
        }
        std::this_thread::sleep_for(500ms);
        xdotool({"windowfocus", "--sync", window});
        if (flip_sound) {
            xdotool({"key", "alt+o"});
            std::this_thread::sleep_for(300ms);
            xdotool({"key", "s"});
            std::this_thread::sleep_for(300ms);
        }
        xdotool({"key", "alt+g"});
        std::this_thread::sleep_for(300ms);
        xdotool({"key", "x"});
        if (!game.waitForFinished(10000)) {
            game.kill();
            game.waitForFinished();
            ADD_FAILURE() << "the game did not quit: " << game.readAll().toStdString();
            return -1;
        }
        return game.exitCode();
    }

    QStringList saved_lines() const
    {
        QFile file(config + "/delvano/Delvano.ini");
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(file.readAll()).split(QStringLiteral("\r\n"));
    }

    QString program;
    QTemporaryDir home;
    QString config;
    QProcess xvfb;
    QString display;
};

TEST_F(Installed_Game_Settings, SettingsGoToTheConfigurationFolderAndAreReadBackAtTheNextStart)
{
    // First start: no file anywhere, sound on by default; the player switches it off.
    ASSERT_EQ(play_once(true), 0);
    EXPECT_FALSE(QFileInfo::exists(program + "/Delvano.ini"));
    QStringList lines = saved_lines();
    ASSERT_GE(lines.size(), 15) << "no settings file in " << config.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("\"でるぼん Ver3.00 設定ファイル [")));
    EXPECT_EQ(lines[1], "\"0\"");

    // Second start: nothing touched. Only a file read back keeps the switch off; a missing or
    // broken one would bring the default (on) back.
    ASSERT_EQ(play_once(false), 0);
    EXPECT_FALSE(QFileInfo::exists(program + "/Delvano.ini"));
    lines = saved_lines();
    ASSERT_GE(lines.size(), 15);
    EXPECT_EQ(lines[1], "\"0\"");
}

}  // namespace
