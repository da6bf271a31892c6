#include "desktop/live_desktop.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

namespace {

QString tool_path(const QString& name)
{
    return QStandardPaths::findExecutable(name);
}

void stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished();
    }
}

}  // namespace

Live_Desktop::Live_Desktop(Live_Desktop_Options options) : with_sound_(options.sound_server)
{
    for (const char* needed : {"Xvfb", "xdotool", "xprop", "xwininfo", "import"})
        if (tool_path(needed).isEmpty())
            error_ += QStringLiteral("%1 is not installed; ").arg(needed);
    if (options.window_manager && tool_path("openbox").isEmpty())
        error_ += QStringLiteral("openbox is not installed; ");
    if (options.sound_server && (tool_path("pulseaudio").isEmpty() || tool_path("pactl").isEmpty()))
        error_ += QStringLiteral("pulseaudio or pactl is not installed; ");
    if (!error_.isEmpty())
        return;
    const QString program = QStringLiteral(DELVANO_PROGRAM_DIR);
    QDir().mkpath(program_dir());
    QDir().mkpath(scratch_.filePath("runtime"));
    QFile::setPermissions(scratch_.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString& name : QDir(program).entryList(QDir::Files))
        if (!QFile::copy(program + "/" + name, program_dir() + "/" + name))
            error_ = QStringLiteral("cannot copy %1 into the scratch folder").arg(name);
    if (error_.isEmpty() && !start_x_server())
        error_ = QStringLiteral("Xvfb did not start: ") + xvfb_.readAllStandardError();
    if (error_.isEmpty() && options.window_manager && !start_window_manager())
        error_ = QStringLiteral("openbox did not take the screen");
    if (error_.isEmpty() && options.sound_server && !start_sound_server())
        error_ = QStringLiteral("PulseAudio did not answer: ") + sound_server_.readAllStandardError();
}

Live_Desktop::~Live_Desktop()
{
    stop(game_);
    stop(sound_server_);
    stop(window_manager_);
    stop(xvfb_);
}

QString Live_Desktop::program_dir() const
{
    return scratch_.filePath("Delvano");
}

QProcessEnvironment Live_Desktop::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    env.insert("HOME", scratch_.path());
    env.insert("XDG_RUNTIME_DIR", scratch_.filePath("runtime"));
    env.remove("QT_QPA_PLATFORM");
    env.remove("WAYLAND_DISPLAY");
    // Without a server of our own, no client may find (or spawn) somebody else's.
    if (!with_sound_)
        env.insert("PULSE_SERVER", scratch_.filePath("runtime/no-sound-server"));
    return env;
}

bool Live_Desktop::start_x_server()
{
    // -displayfd 1: the server picks a free display and writes its number once it accepts
    // connections, so neither a fixed number nor a sleep is needed.
    xvfb_.start(tool_path("Xvfb"), {"-displayfd", "1", "-screen", "0", "800x600x24",
                                    "-nolisten", "tcp"});
    if (!xvfb_.waitForStarted())
        return false;
    QByteArray number;
    const QDeadlineTimer deadline(10000);
    while (!number.contains('\n') && !deadline.hasExpired()
           && xvfb_.waitForReadyRead(int(deadline.remainingTime())))
        number += xvfb_.readAllStandardOutput();
    if (!number.contains('\n'))
        return false;
    display_ = ":" + QString::fromLatin1(number.trimmed());
    return true;
}

bool Live_Desktop::start_window_manager()
{
    window_manager_.setProcessEnvironment(environment());
    window_manager_.start(tool_path("openbox"), {"--sm-disable"});
    return window_manager_.waitForStarted() && wait_until([this] {
               return xprop("-root", "_NET_SUPPORTING_WM_CHECK").contains("window id");
           });
}

bool Live_Desktop::start_sound_server()
{
    sound_server_.setProcessEnvironment(environment());
    sound_server_.start(tool_path("pulseaudio"),
                        {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                         "-L", "module-null-sink", "-L", "module-native-protocol-unix"});
    if (!sound_server_.waitForStarted())
        return false;
    return wait_until([this] {
        QProcess pactl;
        pactl.setProcessEnvironment(environment());
        pactl.start(tool_path("pactl"), {"info"});
        return pactl.waitForFinished(2000) && pactl.exitStatus() == QProcess::NormalExit
               && pactl.exitCode() == 0;
    }, 10000);
}

bool Live_Desktop::start_game(const QStringList& extra_environment)
{
    QProcessEnvironment env = environment();
    for (const QString& entry : extra_environment)
        env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    game_.setProcessEnvironment(env);
    game_.setWorkingDirectory(program_dir());
    game_.setProcessChannelMode(QProcess::ForwardedChannels);
    game_.start(program_dir() + "/delvano", {});
    if (!game_.waitForStarted())
        return false;
    game_window_ = find_window("^でるぼん$", 10000);
    return !game_window_.isEmpty();
}

std::optional<int> Live_Desktop::wait_for_exit(int timeout_ms)
{
    if (game_.state() != QProcess::NotRunning && !game_.waitForFinished(timeout_ms))
        return std::nullopt;
    return game_.exitStatus() == QProcess::NormalExit ? game_.exitCode() : -1;
}

QString Live_Desktop::find_window(const QString& title_regex, int timeout_ms)
{
    QString found;
    wait_until([&] {
        found = run("xdotool", {"search", "--all", "--onlyvisible", "--pid",
                                QString::number(game_.processId()), "--name", title_regex})
                    .section('\n', 0, 0).trimmed();
        return !found.isEmpty();
    }, timeout_ms);
    return found;
}

bool Live_Desktop::is_mapped(const QString& window)
{
    return run("xwininfo", {"-id", window}).contains("IsViewable");
}

void Live_Desktop::key(const QString& keysym)
{
    run("xdotool", {"key", keysym});
}

void Live_Desktop::keydown(const QString& keysym)
{
    run("xdotool", {"keydown", keysym});
}

void Live_Desktop::keyup(const QString& keysym)
{
    run("xdotool", {"keyup", keysym});
}

void Live_Desktop::focus(const QString& window)
{
    run("xdotool", {window_manager_.state() == QProcess::Running ? "windowactivate" : "windowfocus",
                    "--sync", window});
}

void Live_Desktop::close_window(const QString& window)
{
    // openbox's own binding for its Close action, the same message the close box sends.
    focus(window);
    key("alt+F4");
}

QString Live_Desktop::xprop(const QString& window, const char* property)
{
    const QStringList target = window == "-root" ? QStringList{"-root"} : QStringList{"-id", window};
    // "NAME(TYPE) = value", or "NAME(WINDOW): window id # 0x..."; "NAME:  not found." when unset.
    const QString line = run("xprop", target + QStringList{property}).trimmed();
    const int type_end = line.indexOf(')');
    if (type_end < 0)
        return {};
    return line.mid(type_end + 1).remove(QRegularExpression(R"(^(:| =) )"));
}

QString Live_Desktop::title(const QString& window)
{
    const QString value = xprop(window, "_NET_WM_NAME");
    return value.size() >= 2 ? value.mid(1, value.size() - 2) : value;
}

QRect Live_Desktop::outer_frame(const QString& window)
{
    const QString info = run("xwininfo", {"-id", window});
    auto number = [&info](const char* label) {
        const QRegularExpression pattern(QString::fromLatin1(label) + R"(:\s+(-?\d+))");
        return pattern.match(info).captured(1).toInt();
    };
    const QStringList extents = xprop(window, "_NET_FRAME_EXTENTS").split(", ");
    const auto extent = [&extents](int i) { return extents.size() == 4 ? extents[i].toInt() : 0; };
    return {number("Absolute upper-left X") - extent(0), number("Absolute upper-left Y") - extent(2),
            number("Width") + extent(0) + extent(1), number("Height") + extent(2) + extent(3)};
}

QStringList Live_Desktop::stacking()
{
    QStringList windows;
    for (const QString& id : xprop("-root", "_NET_CLIENT_LIST_STACKING").split(", "))
        windows << QString::number(id.section(' ', -1).toUInt(nullptr, 0));
    return windows;
}

QImage Live_Desktop::screenshot()
{
    const QString file = scratch_.filePath("screen.png");
    run("import", {"-display", display_, "-window", "root", file});
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

QString Live_Desktop::run(const QString& tool, const QStringList& args, int* exit_code)
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(tool_path(tool), args);
    const bool finished = process.waitForFinished(20000);
    if (exit_code)
        *exit_code = finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool Live_Desktop::wait_until(const std::function<bool()>& done, int timeout_ms)
{
    const QDeadlineTimer deadline(timeout_ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);  // the interval between two polls, not a wait for anything
    }
    return true;
}
