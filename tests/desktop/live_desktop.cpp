#include "desktop/live_desktop.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <sys/prctl.h>

#include <csignal>

static QString tool_path(const QString& name) { return QStandardPaths::findExecutable(name); }
static void end(QProcess& p) { p.terminate(), p.waitForFinished(3000) || (p.kill(), p.waitForFinished()); }

Live_Desktop::Live_Desktop(Live_Desktop_Options options) : wayland_(options.wayland)
{
    const QString program = QStringLiteral(DELVANO_PROGRAM_DIR), runtime = scratch_.filePath("runtime");
    QDir().mkdir(program_dir());
    QDir().mkdir(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString& name : QDir(program).entryList(QDir::Files))
        if (!QFile::copy(program + "/" + name, program_dir() + "/" + name))
            error_ += "cannot copy " + name + ". ";
    // -displayfd: the server picks a free display and writes its number once it takes clients.
    // -noreset: else the server resets as its last client leaves, refusing a window manager connecting then.
    QByteArray number;
    start({"Xvfb", "-displayfd", "1", "-noreset", "-screen", "0", "800x600x24", "-nolisten", "tcp"}, [&] {
        servers_[0]->waitForReadyRead(1000);
        number += servers_[0]->readAllStandardOutput();
        display_ = ":" + QString::fromLatin1(number.trimmed());
        return number.contains('\n');
    });
    // Weston's own X window takes the X server's keys, for the Wayland window Weston gives them to.
    if (options.wayland)
        start({"weston", "--backend=x11-backend.so", "--use-pixman", "--idle-time=0", "--socket=wayland-delvano",
               "--width=800", "--height=600", "--log=" + scratch_.filePath("weston.log")}, [&] {
            const QString weston = run("xdotool", {"search", "--onlyvisible", "--class", "weston"}).trimmed();
            return QFile::exists(runtime + "/wayland-delvano") && !weston.isEmpty() &&
                   (run("xdotool", {"windowfocus", weston}), run("xdotool", {"getwindowfocus"}).trimmed() == weston);
        });
    else if (options.window_manager)
        start({"openbox", "--sm-disable"},
              [this] { return xprop("-root", "_NET_SUPPORTING_WM_CHECK").contains("window id"); });
    // PipeWire where installed, else PulseAudio: this desktop's own, on its own bus, with no device of the machine's.
    const auto answers = [this] { return run("pactl", {"info"}).contains("Server Name"); };
    if (options.sound_server && tool_path("pipewire-pulse").isEmpty())
        start({"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
               "-L", "module-null-sink", "-L", "module-native-protocol-unix"}, answers);
    else if (options.sound_server) {
        QDir().mkpath(scratch_.filePath("config/wireplumber/main.lua.d"));
        QFile monitors(scratch_.filePath("config/wireplumber/main.lua.d/60-no-devices.lua"));
        error_ += monitors.open(QIODevice::WriteOnly) && monitors.write("alsa_monitor.enabled = false\n"
            "v4l2_monitor.enabled = false\nlibcamera_monitor.enabled = false\n") ? "" : "no WirePlumber setting. ";
        start({"dbus-daemon", "--session", "--nofork", "--address=unix:path=" + runtime + "/bus"},
              [runtime] { return QFile::exists(runtime + "/bus"); });
        start({"pipewire"}, [runtime] { return QFile::exists(runtime + "/pipewire-0"); });
        start({"pipewire-pulse"},
              [&] { return answers() && !run("pactl", {"load-module", "module-null-sink"}).isEmpty(); });
        // The session manager links every stream to the null sink, the one sink there is.
        start({"wireplumber"}, [this] { return run("pactl", {"get-default-sink"}).startsWith("null"); });
    }
}
// Each server in turn, once the one before it answers; none outlives this process.
void Live_Desktop::start(QStringList command, const std::function<bool()>& ready)
{
    if (!error_.isEmpty())
        return;
    QProcess& server = *servers_.emplace_back(std::make_unique<QProcess>());
    server.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    server.setProcessEnvironment(environment());
    server.setStandardErrorFile(scratch_.filePath("servers.log"), QIODevice::Append);
    if (servers_.size() > 1)  // the X server's output is its display's number; unread pipes stall the rest
        server.setStandardOutputFile(scratch_.filePath("servers.log"), QIODevice::Append);
    server.start(tool_path(command.takeFirst()), command);
    error_ += wait_until(ready, 20000) ? "" : server.program() + " did not answer. ";
}
Live_Desktop::~Live_Desktop() { wayland_ = false, end_all_but_the_display(); }  // the display too
void Live_Desktop::end_all_but_the_display()
{
    end(game_);
    for (; servers_.size() > (wayland_ ? 2u : 0u); servers_.pop_back())  // on Wayland, but the X server and Weston
        end(*servers_.back());
    scratch_.remove();
}
QProcessEnvironment Live_Desktop::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    env.insert("HOME", scratch_.path());
    env.insert("XDG_RUNTIME_DIR", scratch_.filePath("runtime"));
    env.insert("XDG_CONFIG_HOME", scratch_.filePath("config"));  // and its state folder under HOME
    env.remove("XDG_STATE_HOME");
    env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + scratch_.filePath("runtime/bus"));
    env.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + scratch_.filePath("runtime/none"));  // no Bluetooth device
    env.remove("QT_QPA_PLATFORM");
    // Nothing may open on the desktop the tests were started from.
    wayland_ ? env.insert("WAYLAND_DISPLAY", "wayland-delvano") : env.remove("WAYLAND_DISPLAY");
    env.insert("PULSE_SERVER", scratch_.filePath("runtime/pulse/native"));  // nobody else's, never one spawned
    return env;
}
QString Live_Desktop::start_game(const char* scale_factor)
{
    QProcessEnvironment env = environment();
    scale_factor ? env.insert("QT_SCALE_FACTOR", scale_factor) : env.remove("QT_SCALE_FACTOR");
    game_.setProcessEnvironment(env);
    game_.setWorkingDirectory(program_dir());
    game_.setProcessChannelMode(QProcess::ForwardedChannels);
    game_.start(program_dir() + "/delvano", {});
    const QString pid = QString::number(game_.processId());
    return game_.waitForStarted() ? run("xdotool", {"search", "--sync", "--onlyvisible", "--pid", pid, "--name",
                                                    "^でるぼん$"}).trimmed() : QString();
}
int Live_Desktop::wait_for_exit(int timeout_ms)
{
    game_.waitForFinished(timeout_ms);
    return game_.state() == QProcess::NotRunning && game_.exitStatus() == QProcess::NormalExit ? game_.exitCode() : -1;
}
QString Live_Desktop::xprop(const QString& window, const char* property)
{
    // "NAME(TYPE) = value" or "NAME(WINDOW): window id # 0x..."; "NAME:  not found." when unset.
    const QString line = run("xprop", (window == "-root" ? QStringList{} : QStringList{"-id"}) << window << property);
    return QRegularExpression(R"(^\w+\(\w+\)(:| =) (.*))").match(line.trimmed()).captured(2);
}
QPoint Live_Desktop::frame_corner(const QString& window)
{
    const QRegularExpressionMatch at = QRegularExpression(R"(X:\s+(-?\d+)\s+Absolute upper-left Y:\s+(-?\d+))")
                                           .match(run("xwininfo", {"-id", window}));
    const QStringList extent = xprop(window, "_NET_FRAME_EXTENTS").split(", ");  // left, right, top, bottom
    return QPoint(at.captured(1).toInt() - extent.value(0).toInt(), at.captured(2).toInt() - extent.value(2).toInt());
}
QString Live_Desktop::run(const QString& tool, const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = environment();
    env.insert("LC_ALL", "C.UTF-8");  // xprop writes a title in any other locale's characters, or escaped
    process.setProcessEnvironment(env);
    process.start(tool_path(tool), args);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}
bool Live_Desktop::wait_until(const std::function<bool()>& done, int timeout_ms)
{
    for (const QDeadlineTimer deadline(timeout_ms); !done(); QThread::msleep(20))  // a pause between polls
        if (deadline.hasExpired())
            return false;
    return true;
}
