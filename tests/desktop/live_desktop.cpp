#include "desktop/live_desktop.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <sys/prctl.h>

#include <csignal>

static QString tool_path(const QString& name) { return QStandardPaths::findExecutable(name); }
static void end(QProcess& process)
{
    process.terminate();
    process.waitForFinished(3000) || (process.kill(), process.waitForFinished());
}

Live_Desktop::Live_Desktop(Live_Desktop_Options options)
    : with_sound_(options.sound_server), wayland_(options.wayland)
{
    const QString program = QStringLiteral(DELVANO_PROGRAM_DIR), runtime = scratch_.filePath("runtime");
    QDir().mkpath(program_dir());
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString& name : QDir(program).entryList(QDir::Files))
        if (!QFile::copy(program + "/" + name, program_dir() + "/" + name))
            error_ += "cannot copy " + name + ". ";
    if (options.wayland)  // the two end with this process too: see end_all_but_the_display
        for (QProcess* process : {&xvfb_, &window_manager_})
            process->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    // -displayfd: the server picks a free display and writes its number once it takes clients.
    // -noreset: by default the server resets whenever its last client leaves, and a window manager
    // connecting just as a probe like xprop leaves is refused.
    xvfb_.start(tool_path("Xvfb"), {"-displayfd", "1", "-noreset", "-screen", "0", "800x600x24", "-nolisten", "tcp"});
    QByteArray number;
    const QDeadlineTimer deadline(10000);
    while (!number.contains('\n') && xvfb_.waitForReadyRead(int(deadline.remainingTime())))
        number += xvfb_.readAllStandardOutput();
    display_ = ":" + QString::fromLatin1(number.trimmed());
    error_ += number.contains('\n') ? "" : "Xvfb did not start. ";
    if (error_.isEmpty() && (options.window_manager || options.wayland)) {
        window_manager_.setProcessEnvironment(environment());
        window_manager_.setProcessChannelMode(QProcess::ForwardedChannels);  // unread pipes stalled it
        if (options.wayland)
            window_manager_.start(tool_path("weston"), {"--backend=x11-backend.so", "--use-pixman", "--idle-time=0",
                "--socket=wayland-delvano", "--width=800", "--height=600", "--log=" + scratch_.filePath("weston.log")});
        else
            window_manager_.start(tool_path("openbox"), {"--sm-disable"});
        // Weston's own X window takes the X server's keyboard: keys pressed there reach the
        // Wayland window that Weston gives them to.
        const auto managed = [&] {
            if (!options.wayland)
                return xprop("-root", "_NET_SUPPORTING_WM_CHECK").contains("window id");
            const QString weston = run("xdotool", {"search", "--onlyvisible", "--class", "weston"}).trimmed();
            return QFile::exists(runtime + "/wayland-delvano") && !weston.isEmpty() &&
                   (run("xdotool", {"windowfocus", weston}), run("xdotool", {"getwindowfocus"}).trimmed() == weston);
        };
        if (!wait_until(managed, 20000))
            error_ += options.wayland ? "Weston did not come up. " : "openbox did not take the screen. ";
    }
    // PipeWire where the desktop's sound runs on it, else PulseAudio; either only ever this desktop's
    // own, on a bus of its own and with no device of the machine's. Each process in turn, once
    // the one before it answers.
    const auto answers = [this] { return run("pactl", {"info"}).contains("Server Name"); };
    std::vector<std::pair<QStringList, std::function<bool()>>> sound = {{{"pulseaudio", "-n", "--daemonize=no",
        "--exit-idle-time=-1", "--use-pid-file=no", "-L", "module-null-sink", "-L", "module-native-protocol-unix"}, answers}};
    if (!tool_path("pipewire-pulse").isEmpty()) {
        QDir().mkpath(scratch_.filePath("config/wireplumber/main.lua.d"));
        QFile monitors(scratch_.filePath("config/wireplumber/main.lua.d/60-no-devices.lua"));
        error_ += monitors.open(QIODevice::WriteOnly) && monitors.write("alsa_monitor.enabled = false\n"
            "v4l2_monitor.enabled = false\nlibcamera_monitor.enabled = false\n") ? "" : "no WirePlumber setting. ";
        sound = {{{"dbus-daemon", "--session", "--nofork", "--address=unix:path=" + runtime + "/bus"},
                  [runtime] { return QFile::exists(runtime + "/bus"); }},
                 {{"pipewire"}, [runtime] { return QFile::exists(runtime + "/pipewire-0"); }},
                 {{"pipewire-pulse"}, [&] { return answers() && !run("pactl", {"load-module", "module-null-sink"}).isEmpty(); }},
                 // The session manager links every stream to the null sink, the one sink there is.
                 {{"wireplumber"}, [this] { return run("pactl", {"get-default-sink"}).startsWith("null"); }}};
    }
    QProcessEnvironment env = environment();
    env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + runtime + "/bus");
    env.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + runtime + "/none");  // no Bluetooth device either
    env.insert("XDG_CONFIG_HOME", scratch_.filePath("config"));  // and its state folder under HOME
    env.remove("XDG_STATE_HOME");
    for (auto& [command, ready] : options.sound_server ? sound : decltype(sound){}) {
        QProcess& server = *sound_servers_.emplace_back(std::make_unique<QProcess>());
        server.setProcessEnvironment(env);
        server.setStandardErrorFile(scratch_.filePath("sound.log"), QIODevice::Append);
        server.start(tool_path(command.takeFirst()), command);
        error_ += error_.isEmpty() && !wait_until(ready, 10000) ? server.program() + " did not answer. " : "";
    }
}

Live_Desktop::~Live_Desktop()
{
    end_all_but_the_display();
    for (QProcess* process : {&window_manager_, &xvfb_})
        end(*process);
}

void Live_Desktop::end_all_but_the_display()
{
    end(game_);
    while (!sound_servers_.empty())
        end(*sound_servers_.back()), sound_servers_.pop_back();
    scratch_.remove();
}

QProcessEnvironment Live_Desktop::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    env.insert("HOME", scratch_.path());
    env.insert("XDG_RUNTIME_DIR", scratch_.filePath("runtime"));
    env.remove("QT_QPA_PLATFORM");
    if (wayland_)
        env.insert("WAYLAND_DISPLAY", "wayland-delvano");
    else  // nothing may open on the desktop the tests were started from
        env.remove("WAYLAND_DISPLAY");
    // No client may find, or spawn, somebody else's sound server.
    env.insert("PULSE_SERVER", scratch_.filePath(with_sound_ ? "runtime/pulse/native" : "runtime/none"));
    return env;
}

bool Live_Desktop::start_game()
{
    game_.setProcessEnvironment(environment());
    game_.setWorkingDirectory(program_dir());
    game_.setProcessChannelMode(QProcess::ForwardedChannels);
    game_.start(program_dir() + "/delvano", {});
    const QString pid = QString::number(game_.processId());
    return game_.waitForStarted() &&
           !run("xdotool", {"search", "--sync", "--onlyvisible", "--pid", pid, "--name", "^でるぼん$"}).isEmpty();
}

std::optional<int> Live_Desktop::wait_for_exit(int timeout_ms)
{
    if (game_.state() != QProcess::NotRunning && !game_.waitForFinished(timeout_ms))
        return std::nullopt;
    return game_.exitStatus() == QProcess::NormalExit ? game_.exitCode() : -1;
}

QString Live_Desktop::xprop(const QString& window, const char* property)
{
    // "NAME(TYPE) = value" or "NAME(WINDOW): window id # 0x..."; "NAME:  not found." when unset.
    QStringList target = window == "-root" ? QStringList{"-root"} : QStringList{"-id", window};
    const QString line = run("xprop", target << property).trimmed();
    const int type_end = line.indexOf(')');
    return type_end < 0 ? QString() : line.mid(type_end + 1).remove(QRegularExpression("^(:| =) "));
}

QRect Live_Desktop::outer_frame(const QString& window)
{
    const QString info = run("xwininfo", {"-id", window});
    const auto at = [&info](const QString& label) {
        return QRegularExpression(label + R"(:\s+(-?\d+))").match(info).captured(1).toInt();
    };
    const QStringList extents = xprop(window, "_NET_FRAME_EXTENTS").split(", ");  // left, right, top, bottom
    const auto extent = [&extents](int i) { return extents.size() == 4 ? extents[i].toInt() : 0; };
    return QRect(at("Absolute upper-left X"), at("Absolute upper-left Y"), at("Width"), at("Height"))
        .adjusted(-extent(0), -extent(2), extent(1), extent(3));
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
    const QDeadlineTimer deadline(timeout_ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);  // the pause between two polls, not a wait for anything
    }
    return true;
}
