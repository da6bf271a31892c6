// The built game on a desktop of its own: a private X server, optionally openbox or Weston, and a
// private sound server, and the X tools a player's actions are made of. Every wait polls with a
// deadline.
#pragma once

#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>
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
    // The copy of the program folder the game runs in (HOME is its parent): the test's own Delvano.ini.
    QString program_dir() const { return scratch_.filePath("Delvano"); }
    // Starts the game and waits for its window "でるぼん"; false when it never appeared.
    bool start_game();
    std::optional<int> wait_for_exit(int timeout_ms = 10000);  // -1 for a crash, nothing while it runs
    // What xprop prints after the property's name and type; empty when it is not set.
    QString xprop(const QString& window, const char* property);
    QRect outer_frame(const QString& window);  // with the window manager's frame, root coordinates
    QString run(const QString& tool, const QStringList& args);
    static bool wait_until(const std::function<bool()>& done, int timeout_ms = 5000);
    QProcessEnvironment environment() const;  // of this desktop, for the game and the tools
    // Qt ends a Wayland client whose compositor goes first, with status 1: a test process on Weston
    // ends all it started but the X server and Weston, which end with it, and removes the files.
    void end_all_but_the_display();

private:
    QTemporaryDir scratch_;
    QString display_, error_;
    QProcess xvfb_, window_manager_, game_;
    std::vector<std::unique_ptr<QProcess>> sound_servers_;  // started in this order, ended in reverse
    bool with_sound_ = false, wayland_ = false;
};
