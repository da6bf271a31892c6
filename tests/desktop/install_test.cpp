// The built program: what `cmake --install` and `cpack -G DEB` hold, validated; the game on a real
// desktop at its scales; and the scripts that install what is missing, build and play, as a player runs them.
#include "desktop/live_desktop.h"
#include "shell/settings_file.h"
#include "state/module1.h"
#include "support/look.h"
#include "support/table.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {
// The exit code (-1 when the program did not run to its end), a colon and all it printed.
std::string run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    const bool ended = process.waitForFinished(300000) && process.exitStatus() == QProcess::NormalExit;
    return std::to_string(ended ? process.exitCode() : -1) + ":" + process.readAll().toStdString();
}
// "PCM16 <peak> <ms>" for a WAV file, whose header must describe it exactly.
std::string effect(const QString& path)
{
    QFile file(path);
    const QByteArray b = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(44, 0);
    auto u16 = [&](int at) { return int(qFromLittleEndian<quint16>(b.constData() + at)); };
    auto u32 = [&](int at) { return int(qFromLittleEndian<quint32>(b.constData() + at)); };
    if (b.left(4) + b.mid(8, 8) + b.mid(36, 4) != "RIFFWAVEfmt data" || u32(4) + 8 != b.size() ||
        u32(40) + 44 != b.size() || u16(20) != 1 || u16(34) != 16 || u32(28) != u32(24) * u16(22) * 2)
        return "not a plain WAV";
    int peak = 0;
    for (int at = 44; at + 1 < b.size(); at += 2)
        peak = std::max(peak, std::abs(int(qint16(u16(at)))));
    return "PCM16 " + std::string(peak > 32767 / 3 ? "loud" : "faint") + (u32(40) > u32(28) / 20 ? "" : " short");
}
TEST(Install, Tree_And_Package_Hold_What_The_Readme_Promises)
{
    QTemporaryDir prefix, out;
    ASSERT_EQ(run(DELVANO_CMAKE, {"--install", DELVANO_BUILD_DIR, "--prefix", prefix.path()}).find("0:"), 0);
    ASSERT_EQ(run(DELVANO_CPACK, {"-G", "DEB", "-B", out.path(), "--config",
                                  DELVANO_BUILD_DIR "/CPackConfig.cmake"}).find("0:"), 0);
    const QString id = "io.github.delvano.Delvano", deb = out.filePath(QDir(out.path()).entryList({"*.deb"}).value(0));
    QStringList files = {"bin/delvano", "lib/delvano/delvano", "lib/delvano/Readme.txt",
                         "share/applications/" + id + ".desktop", "share/metainfo/" + id + ".metainfo.xml"};
    for (QString effect : {"Dam", "Dig", "Stone", "Gold", "Life", "Special", "Schop", "Hight", "Over", "Out"})
        files << "lib/delvano/" + effect + ".wav";
    for (int size : {16, 32, 48, 64, 128, 256})
        files << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id);
    const std::string packed = run("dpkg-deb", {"--contents", deb});
    for (const QString& file : files) {
        const QFileInfo installed(prefix.filePath(file));
        const std::string name = file.toStdString();
        EXPECT_TRUE(installed.isFile() && installed.isExecutable() == file.endsWith("delvano")) << name;
        EXPECT_NE(packed.find(" ./usr/" + name + "\n"), std::string::npos) << name;
        if (file.endsWith(".wav"))
            EXPECT_EQ(effect(installed.filePath()), "PCM16 loud") << name;
        if (file.endsWith(".png"))
            EXPECT_EQ(QImage(installed.filePath()).width(), file.section('/', 3, 3).section('x', 0, 0).toInt());
    }
    EXPECT_EQ(run("desktop-file-validate", {prefix.filePath(files[3])}), "0:");
    EXPECT_EQ(run("appstreamcli", {"validate", "--no-net", prefix.filePath(files[4])}).find("0:"), 0);
    EXPECT_EQ(run("dpkg-deb", {"--field", deb, "Depends"}),
              "0:libqt6widgets6, libqt6multimedia6, libsdl2-2.0-0, fonts-ipafont-gothic\n");
}
// The window's pixels as the X server holds them.
QImage grab(const QString& display, xcb_window_t window)
{
    xcb_connection_t* x = xcb_connect(qPrintable(display), nullptr);
    auto* g = xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
    auto* got = g ? xcb_get_image_reply(x, xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, g->width,
                                                          g->height, ~0u), nullptr) : nullptr;
    const QImage image = got ? QImage(xcb_get_image_data(got), g->width, g->height, QImage::Format_RGB32).copy() : QImage();
    free(got), free(g), xcb_disconnect(x);
    return image;
}
// A desktop's scale reaches the game as desktops publish theirs (Xft.dpi), or as the menu entry's larger
// sizes set QT_SCALE_FACTOR: each pixel of the title a square of whole screen pixels.
struct Scale_Row : Named_Row { int dpi; const char* factor; int width, pixel; };
class Built_Game : public testing::TestWithParam<Scale_Row> {};
TEST_P(Built_Game, DrawsItsArtAtAWholeScaleAndQuitsCleanlyWhileAnEffectSounds)
{
    const Scale_Row& row = GetParam();
    Live_Desktop desktop({.window_manager = true, .sound_server = true});
    ASSERT_EQ(desktop.error(), "");
    desktop.run("xprop", {"-root", "-format", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
                          QStringLiteral("Xft.dpi:\t%1\n").arg(row.dpi)});
    Reset_Module1(), Wait_Value.fill(0);
    ASSERT_EQ(Settings_Save(desktop.program_dir() + "/Delvano.ini", true), Save_Result::Saved);
    const QString window = desktop.start_game(row.factor);
    ASSERT_NE(window, "");
    const int s = row.pixel;
    QImage shot;
    EXPECT_TRUE(Live_Desktop::wait_until([&] {  // the window shows a moment before its first paint
        shot = grab(desktop.environment().value("DISPLAY"), window.toUInt());
        const QRect play_area(4 * s, shot.height() - 228 * s, 240 * s, 224 * s);
        return shot.rect().contains(play_area) && shot.copy(play_area) == shipped("title").scaled(play_area.size());
    }));
    EXPECT_EQ(shot.width(), row.width);
    // Z starts a game, and held on it digs the soil beside the digger: "Dig" sounds.
    desktop.run("xdotool", {"keydown", "z"});
    ASSERT_TRUE(Live_Desktop::wait_until(
        [&] { return !desktop.run("pactl", {"list", "short", "sink-inputs"}).isEmpty(); }));
    desktop.run("xdotool", {"keyup", "z", "key", "alt+g", "x"});
    EXPECT_EQ(desktop.wait_for_exit(), 0);
    bool sound = false;
    EXPECT_EQ(Settings_Load(desktop.program_dir() + "/Delvano.ini", sound), Load_Result::Loaded);
    EXPECT_TRUE(sound);
}
const Scale_Row Scale_Rows[] = {
    {"at_125_percent", 120, nullptr, 375, 1}, {"at_150_percent", 144, nullptr, 750, 2},
    {"at_175_percent", 168, nullptr, 750, 2}, {"twice_the_size_from_the_menu", 96, "2", 750, 2},
};
INSTANTIATE_TABLE(Scaled, Built_Game, Scale_Rows);
// The scripts' package step with fakes on the path that say what they were asked: apt-get, sudo (going
// on as root) and id (who runs the step); no sudo is found but the fake, where there is one.
struct Package_Step : Named_Row { const char *uid, *sudo, *packages, *transcript; };
struct Package_Steps : testing::TestWithParam<Package_Step> {};
TEST_P(Package_Steps, InstallExactlyWhatIsMissingWithNoMorePrivilegeThanThat)
{
    QTemporaryDir bin;
    const QString script = DELVANO_SOURCE_DIR "/scripts/ensure-packages.sh";
    EXPECT_EQ(run("/bin/bash", {"-c", R"-(cd "$1" && ln -s /usr/bin/dpkg-query /usr/bin/grep /bin/bash . &&
        echo 'echo "apt-get $* as $(id -u)"' > apt-get && echo '[ "$*" = -u ] && echo $AS || exec /usr/bin/id "$@"' > id &&
        chmod +x apt-get id && { [ -z "$3" ] || { echo "$3" > sudo && chmod +x sudo; }; } &&
        PATH=$PWD AS=$2 bash -c "source $0 && delvano_ensure_packages $4")-",
        script, bin.path(), GetParam().uid, GetParam().sudo, GetParam().packages}),
        QString(GetParam().transcript).replace("@", script).toStdString());
}
#define PACKAGES "bash delvano-absent-1 dpkg delvano-absent-2"
#define INSTALL "install -y --no-install-recommends delvano-absent-1 delvano-absent-2"
#define SUDO R"(echo "sudo $*"; AS=0 exec "$@")"
const Package_Step Package_Step_Rows[] = {
    {"as_root", "0", SUDO, PACKAGES, "0:Installing: delvano-absent-1 delvano-absent-2\n"
                                     "apt-get update as 0\napt-get " INSTALL " as 0\n"},
    {"as_a_player_with_sudo", "1000", SUDO, PACKAGES, "0:Installing with sudo: delvano-absent-1 delvano-absent-2\n"
     "sudo bash @ delvano-absent-1 delvano-absent-2\napt-get update as 0\napt-get " INSTALL " as 0\n"},
    {"as_a_player_without_sudo", "1000", "", PACKAGES, "1:Missing packages: delvano-absent-1 delvano-absent-2. "
     "Install them as root, then run this again:\n  apt-get update && apt-get " INSTALL "\n"},
    {"with_nothing_missing", "1000", SUDO, "bash dpkg", "0:"},
};
INSTANTIATE_TABLE(Four, Package_Steps, Package_Step_Rows);
// The real run-game.sh, run by an unprivileged user in a copy of this checkout that is theirs, shown at the
// checkout's path (its build up to date, nothing to compile): it asks no sudo; the game runs and saves as them.
TEST(Run_Game, AsAnUnprivilegedUserWithEverythingInstalled)
{
    if (getuid() != 0 || DELVANO_BUILD_DIR != QString(DELVANO_SOURCE_DIR "/build"))
        GTEST_SKIP() << "runs only as root (to be somebody else, and to mount the copy) with the build in build/";
    Live_Desktop desktop;
    QTemporaryDir top;
    ASSERT_EQ(desktop.error(), "");
    EXPECT_EQ(run("/bin/bash", {"-c", R"-(export top=$1 DISPLAY=$2 && unset QT_QPA_PLATFORM WAYLAND_DISPLAY && cd "$0" &&
        mkdir -p $top/c/build $top/bin $top/home &&
        tar -c --exclude=./build --exclude=./build-sanitize --exclude=./.git . | tar -C $top/c -x &&
        tar -C build -c --exclude=./tests --exclude=./bench --exclude=./Testing . | tar -C $top/c/build -x &&
        printf '#!/bin/sh\ntouch %s/sudo-asked\nexit 1\n' $top > $top/bin/sudo && chmod +x $top/bin/sudo &&
        chown -R nobody: $top && chmod 711 $top || exit
        HOME=$top/home PATH=$top/bin:$PATH unshare --mount --propagation private sh -c 'mount --bind "$0" "$1" &&
            exec setpriv --reuid=nobody --regid=$(id -g nobody) --clear-groups bash "$1/run-game.sh"' $top/c "$0" > $top/out 2>&1 &
        timeout 50 xdotool search --sync --onlyvisible --pid $! --name '^でるぼん$' > /dev/null || cat $top/out
        echo "game $(ps -o user= -p $!)"; kill $!; wait $!
        echo "ended $?, scores $(stat -c %U $top/c/build/Delvano/Delvano.ini), sudo $(ls $top/sudo-asked 2> /dev/null)")-",
        DELVANO_SOURCE_DIR, top.path(), desktop.environment().value("DISPLAY")}), "0:game nobody\nended 0, scores nobody, sudo \n");
}
}  // namespace
