// The built game on a desktop of its own: a private X server, optionally openbox and PulseAudio,
// and the X tools a player's actions are made of. Every wait polls with a deadline.
#pragma once

#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

#include <functional>
#include <optional>

struct Live_Desktop_Options {
    bool window_manager = false;  // openbox: frames, stacking and focus of a real window manager
    bool sound_server = false;    // PulseAudio with a null sink in a private runtime folder
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

private:
    QTemporaryDir scratch_;
    QString display_, error_;
    QProcess xvfb_, window_manager_, sound_server_, game_;
    bool with_sound_ = false;
};
