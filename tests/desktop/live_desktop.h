// The built game on a desktop of its own: a private X server, optionally a real window manager
// and a real sound server, and the X tools a player's actions are made of. Every wait polls
// the X server or the process with a deadline; nothing sleeps a fixed time.
#pragma once

#include <functional>
#include <optional>

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>

struct Live_Desktop_Options {
    bool window_manager = false;  // openbox, so frames, stacking and focus are a real WM's
    bool sound_server = false;    // PulseAudio with a null sink in a private runtime folder
};

class Live_Desktop {
public:
    explicit Live_Desktop(Live_Desktop_Options options = {});
    ~Live_Desktop();
    Live_Desktop(const Live_Desktop&) = delete;
    Live_Desktop& operator=(const Live_Desktop&) = delete;

    // Empty when the desktop came up; otherwise what is missing or failed.
    const QString& error() const { return error_; }

    // The copy of the program folder; the game runs here with HOME pointed at the scratch
    // folder, so its Delvano.ini is the test's own. Write files here before Start_Game.
    QString program_dir() const;

    // Starts the game and waits until its window "でるぼん" is mapped; false on timeout.
    bool start_game(const QStringList& extra_environment = {});
    const QString& game_window() const { return game_window_; }
    // The exit code once the game has ended normally, -1 for a crash, nothing on timeout.
    std::optional<int> wait_for_exit(int timeout_ms = 10000);

    // The first mapped window of the game whose title matches the regular expression, polled
    // until the deadline; empty when none appeared.
    QString find_window(const QString& title_regex, int timeout_ms = 5000);
    bool is_mapped(const QString& window);

    void key(const QString& keysym);
    void keydown(const QString& keysym);
    void keyup(const QString& keysym);
    void focus(const QString& window);  // activates it the way a click on the frame would
    void close_window(const QString& window);  // as its close box does (needs the window manager)

    // The value of an X property after "= ", or empty when it is not set; "-root" for the root.
    QString xprop(const QString& window, const char* property);
    // The window's title as the window manager shows it (_NET_WM_NAME).
    QString title(const QString& window);
    // The window with its manager's frame, in root coordinates.
    QRect outer_frame(const QString& window);
    // Client windows from bottom to top, as the window manager stacks them.
    QStringList stacking();
    QImage screenshot();

    // Runs an X tool on this display and returns its standard output.
    QString run(const QString& tool, const QStringList& args, int* exit_code = nullptr);
    static bool wait_until(const std::function<bool()>& done, int timeout_ms = 5000);

private:
    QProcessEnvironment environment() const;
    bool start_x_server();
    bool start_window_manager();
    bool start_sound_server();

    QTemporaryDir scratch_;
    QString display_;
    QString error_;
    QProcess xvfb_, window_manager_, sound_server_, game_;
    QString game_window_;
    bool with_sound_ = false;
};
