// The built game under its own X server, played with real key events from xdotool: the title
// look, then the play look with ten hearts, then the digger one column to the right.
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "display/pictures.h"

namespace {

using namespace std::chrono_literals;

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

class Live_Game : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* needed : {"Xvfb", "xdotool", "import"}) {
            if (tool(needed).isEmpty())
                GTEST_SKIP() << needed << " is not installed";
        }
        ASSERT_TRUE(scratch.isValid());
        // A private copy of the program folder, so the test's settings file stays its own.
        const QString program = QStringLiteral(DELVANO_PROGRAM_DIR);
        for (const QString& name : QDir(program).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(program + "/" + name, scratch.filePath(name)));

        display = QStringLiteral(":%1").arg(70 + QCoreApplication::applicationPid() % 20);
        xvfb.start(tool("Xvfb"), {display, "-screen", "0", "640x480x24", "-nolisten", "tcp"});
        ASSERT_TRUE(xvfb.waitForStarted());
        std::this_thread::sleep_for(700ms);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.remove("QT_QPA_PLATFORM");
        env.insert("HOME", scratch.path());
        game.setProcessEnvironment(env);
        game.start(scratch.filePath("delvano"), {});
        ASSERT_TRUE(game.waitForStarted());
        window = run("xdotool", {"search", "--sync", "--name", "でるぼん"}).trimmed();
        ASSERT_FALSE(window.isEmpty());
        window = window.split('\n').first();
    }

    void TearDown() override
    {
        game.kill();
        game.waitForFinished();
        xvfb.kill();
        xvfb.waitForFinished();
    }

    QString run(const char* name, const QStringList& args)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        process.setProcessEnvironment(env);
        process.start(tool(name), args);
        process.waitForFinished(20000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QImage screenshot()
    {
        const QString file = scratch.filePath("shot.png");
        run("import", {"-display", display, "-window", "root", file});
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    }

    // Where the client area's top-left lies in the screenshot, found by the background
    // picture's marble frame row just above the play area.
    static QPoint find_client(const QImage& shot)
    {
        const QImage& back = Game_Pictures().background;
        for (int y = 0; y + back.height() <= shot.height(); ++y) {
            for (int x = 0; x + back.width() <= shot.width(); ++x) {
                bool match = true;
                for (int dx = 0; dx < back.width() && match; dx += 3)
                    match = shot.pixel(x + dx, y) == back.pixel(dx, 0)
                            && shot.pixel(x + dx, y + 233) == back.pixel(dx, 233);
                if (match)
                    return {x, y};
            }
        }
        return {-1, -1};
    }

    static bool shows(const QImage& shot, QPoint at, const QImage& picture)
    {
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (shot.pixel(at.x() + x, at.y() + y) != picture.pixel(x, y))
                    return false;
        return true;
    }

    // Heart places that show red heart pixels; the count label covers only some of a place.
    static int hearts(const QImage& shot, QPoint client)
    {
        const QImage heart = Game_Pictures().sheet.copy(128, 0, 7, 6);
        int count = 0;
        for (int k = 0; k < 20; ++k) {
            bool red = false;
            for (int y = 0; y < 6; ++y)
                for (int x = 0; x < 7; ++x)
                    if (heart.pixel(x, y) != qRgb(255, 255, 255)
                        && shot.pixel(client.x() + 299 + 7 * (k % 10) + x,
                                      client.y() + (k < 10 ? 27 : 34) + y)
                               == heart.pixel(x, y))
                        red = true;
            count += red;
        }
        return count;
    }

    QTemporaryDir scratch;
    QString display;
    QProcess xvfb;
    QProcess game;
    QString window;
};

TEST_F(Live_Game, KeysStartAGameAndWalkTheDigger)
{
    const Pictures& pictures = Game_Pictures();
    std::this_thread::sleep_for(800ms);
    QImage shot = screenshot();
    const QPoint client = find_client(shot);
    ASSERT_GE(client.x(), 0) << "game window not found on the screen";
    EXPECT_TRUE(shows(shot, client + QPoint(4, 6), pictures.title));

    run("xdotool", {"windowfocus", "--sync", window});
    run("xdotool", {"key", "space"});
    std::this_thread::sleep_for(1500ms);
    shot = screenshot();
    EXPECT_FALSE(shows(shot, client + QPoint(4, 6), pictures.title));
    // Map row 2 is all soil: the digger stands on it in the top-left cell, facing right.
    for (int c = 0; c < 15; ++c)
        EXPECT_TRUE(shows(shot, client + QPoint(4 + 16 * c, 6 + 32), pictures.sheet.copy(16, 96, 16, 16)));
    EXPECT_TRUE(shows(shot, client + QPoint(4, 6 + 16), pictures.sheet.copy(112, 0, 16, 16)));
    EXPECT_EQ(hearts(shot, client), 10);

    run("xdotool", {"keydown", "Right"});
    std::this_thread::sleep_for(30ms);
    run("xdotool", {"keyup", "Right"});
    std::this_thread::sleep_for(800ms);
    shot = screenshot();
    EXPECT_TRUE(shows(shot, client + QPoint(4 + 16, 6 + 16), pictures.sheet.copy(112, 0, 16, 16)));
    EXPECT_TRUE(shows(shot, client + QPoint(4, 6 + 16), pictures.sheet.copy(0, 96, 16, 16)));
}

}  // namespace
