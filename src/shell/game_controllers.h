// Game controllers, through SDL's game-controller API alone (no SDL window, video or audio):
// every controller SDL knows, connected before or during the run, plays as the keys it stands
// for. Those keys are sent to whatever holds the keyboard in the program's active window, so
// they meet the same handlers, filters and policy as the keyboard's. Every press counts, however
// short: a key does not come up before the main loop has looked at it.
#pragma once

#include "core/controller_keys.h"

#include <QTimer>

#include <chrono>
#include <deque>
#include <map>
#include <memory>

class QFileSystemWatcher;
class QWidget;
struct _SDL_GameController;

class Game_Controllers {
public:
    // Keys go to game_window while it is active, as a dialog's while another window of the
    // program is.
    explicit Game_Controllers(QWidget& game_window);
    ~Game_Controllers();
    Game_Controllers(const Game_Controllers&) = delete;
    Game_Controllers& operator=(const Game_Controllers&) = delete;

    // SDL starts at the first poll, one slow interval from now: after the window has shown,
    // so a player with a controller does not wait for it. Without a controller device SDL
    // stays unloaded, and nothing polls, until one appears in /dev/input; without_device starts
    // it all the same, for SDL's own virtual controllers, which need none.
    void Start(bool without_device = false);

    // Half a second finds a controller plugged in within a second at next to no cost. While
    // one is there, the program's window is active and the player is at the controller (an
    // input held, or one within In_Use_Ms), a press waits at most one fast interval, inside a
    // frame. Every poll wakes the process, which costs about as much as SDL's work in it, so a
    // controller left alone is polled at the resting rate: polling it as fast would take the
    // idle game past 1 % of a core.
    static constexpr int Slow_Poll_Ms = 500;
    static constexpr int Resting_Poll_Ms = 50;
    static constexpr int Fast_Poll_Ms = 15;
    static constexpr int In_Use_Ms = 5000;

private:
    void Device_Appeared();
    void Poll();
    void Send_Pending();
    bool Start_Sdl();
    Pad_Window Active_Window() const;
    void Queue(const std::optional<Key_Change>& change);
    void Queue(const std::vector<Key_Change>& changes);

    QWidget& game_window_;
    QTimer timer_;
    std::unique_ptr<QFileSystemWatcher> device_watch_;
    bool sdl_started_ = false;
    std::map<int, _SDL_GameController*> open_;  // by SDL's instance id
    Controller_Keys keys_;
    std::chrono::steady_clock::time_point last_input_;
    // A key event may run a whole animation, polling again inside it; keys still go in order.
    std::deque<Key_Change> pending_;
    // For each key sent down, the main loop's pass count then: until it moves on, the key
    // stays down, so a tap whose press and release came in one poll is still seen.
    std::map<int, unsigned long> down_in_pass_;
};
