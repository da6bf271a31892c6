// The new game command: play look, fresh game, whole map, and the digger dropping into row 1.
#pragma once

#include <functional>

class Screen;

// Starts a game whatever is running: anything still animating is overtaken and stops at its
// next wait; a ranking score of an ending that had not reached its dialog yet enters the table
// first. Returns false when this entry animation was itself overtaken (a second new game
// or the window's close during one of its waits).
bool Run_New_Game(Screen& screen, const std::function<void()>& show_play_look,
                  const std::function<void()>& focus_digger);
