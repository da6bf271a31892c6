// The built game on a desktop of its own: X server, window manager, sound server; and a player's X tools.
#pragma once

#include <QProcess>
#include <QPoint>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

struct Live_Desktop_Options {
    bool window_manager = false;  // openbox: frames, stacking and focus of a real window manager
    bool sound_server = false;    // PulseAudio, or PipeWire where installed, with a null sink, private
    bool wayland = false;  // Weston on the X server (its seat's keys are the X server's), as WAYLAND_DISPLAY
};
class Live_Desktop {
public:
    explicit Live_Desktop(Live_Desktop_Options options = {});
    ~Live_Desktop();
    const QString& error() const { return error_; }  // empty when everything came up
    QString program_dir() const { return scratch_.filePath("Delvano"); }  // the game's copy in HOME: its own ini
    QString start_game(const char* scale_factor = nullptr);  // the id of its window "でるぼん"; empty if none
    int wait_for_exit(int timeout_ms = 10000);  // the game's exit code; -1 for a crash or while it runs
    QString xprop(const QString& window, const char* property);  // what follows name and type; empty if unset
    QPoint frame_corner(const QString& window);  // the top left of the window manager's frame, on the root
    QString run(const QString& tool, const QStringList& args);
    static bool wait_until(const std::function<bool()>& done, int timeout_ms = 5000);
    QProcessEnvironment environment() const;  // of this desktop, for the game and the tools
    // Qt ends a Wayland client whose compositor goes first, with status 1: a test process on Weston
    // ends all it started but the X server and Weston, which end with it, and removes the files.
    void end_all_but_the_display();
private:
    void start(QStringList command, const std::function<bool()>& ready);
    QTemporaryDir scratch_;
    QString display_, error_;
    QProcess game_;
    std::vector<std::unique_ptr<QProcess>> servers_;  // started in this order, ended in reverse
    bool wayland_ = false;
};
