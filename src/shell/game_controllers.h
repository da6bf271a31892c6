// Game controllers, through SDL's game-controller API alone (no SDL window, video or audio):
// every controller SDL knows, connected before or during the run, plays as the keys it stands
// for. Those keys are sent to whatever holds the keyboard in the program's active window, so
// they meet the same handlers, filters and policy as the keyboard's.
#pragma once

#include "core/controller_keys.h"

#include <QTimer>

#include <deque>
#include <map>

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
    // so a player without a controller does not wait for it.
    void Start();

    // A quarter second finds a controller plugged in within a second at next to no cost. While
    // one is there and the program's window is active, a press waits at most one fast interval,
    // inside a frame; each wake-up of the event loop costs, so twice as fast would about double
    // the idle CPU the polling adds.
    static constexpr int Slow_Poll_Ms = 250;
    static constexpr int Fast_Poll_Ms = 15;

private:
    void Poll();
    bool Start_Sdl();
    Pad_Window Active_Window() const;
    void Queue(const std::optional<Key_Change>& change);
    void Queue(const std::vector<Key_Change>& changes);

    QWidget& game_window_;
    QTimer timer_;
    bool sdl_started_ = false;
    std::map<int, _SDL_GameController*> open_;  // by SDL's instance id
    Controller_Keys keys_;
    // A key event may run a whole animation, polling again inside it; keys still go in order.
    std::deque<Key_Change> pending_;
};
