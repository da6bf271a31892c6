#include "desktop/live_desktop.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

static QString tool_path(const QString& name) { return QStandardPaths::findExecutable(name); }

Live_Desktop::Live_Desktop(Live_Desktop_Options options) : with_sound_(options.sound_server)
{
    const QString program = QStringLiteral(DELVANO_PROGRAM_DIR), runtime = scratch_.filePath("runtime");
    QDir().mkpath(program_dir());
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString& name : QDir(program).entryList(QDir::Files))
        if (!QFile::copy(program + "/" + name, program_dir() + "/" + name))
            error_ += "cannot copy " + name + ". ";
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
    if (error_.isEmpty() && options.window_manager) {
        window_manager_.setProcessEnvironment(environment());
        window_manager_.setProcessChannelMode(QProcess::ForwardedChannels);  // unread pipes stalled it
        window_manager_.start(tool_path("openbox"), {"--sm-disable"});
        const auto managed = [this] { return xprop("-root", "_NET_SUPPORTING_WM_CHECK").contains("window id"); };
        if (!wait_until(managed, 20000))
            error_ += "openbox did not take the screen. ";
    }
    if (error_.isEmpty() && options.sound_server) {
        sound_server_.setProcessEnvironment(environment());
        sound_server_.start(tool_path("pulseaudio"), {"-n", "--daemonize=no", "--exit-idle-time=-1",
            "--use-pid-file=no", "-L", "module-null-sink", "-L", "module-native-protocol-unix"});
        if (!wait_until([this] { return run("pactl", {"info"}).contains("Server Name"); }, 10000))
            error_ += "PulseAudio did not answer. ";
    }
}

Live_Desktop::~Live_Desktop()
{
    for (QProcess* process : {&game_, &sound_server_, &window_manager_, &xvfb_}) {
        process->terminate();
        if (!process->waitForFinished(3000))
            process->kill();
        process->waitForFinished();
    }
}

QProcessEnvironment Live_Desktop::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    env.insert("HOME", scratch_.path());
    env.insert("XDG_RUNTIME_DIR", scratch_.filePath("runtime"));
    env.remove("QT_QPA_PLATFORM");
    if (!with_sound_)  // no client may find, or spawn, somebody else's server
        env.insert("PULSE_SERVER", scratch_.filePath("runtime/none"));
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
    process.setProcessEnvironment(environment());
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
