// The game's main loop: one digger action a pass, then a yield to the event loop.
#pragma once

#include <functional>

class Screen;

enum class Pass_Result { Idle, Acted };

// One pass without its yield. Mode 1: dig over left over right (the rules decide whether a
// held key does anything); mode 3: refresh the status panel once and go to 0; otherwise idle.
Pass_Result Main_Loop_Pass(Screen& screen);

// How many passes have begun so far. A key that comes up before the loop has looked at it
// acts as if it had never gone down; a controller's quick tap waits for the count to move.
unsigned long Main_Loop_Passes();

// Runs passes until keep_running answers false. After a pass that acted the loop only yields,
// so a held key repeats at once; after an idle pass it blocks until the next event, because
// nothing can change before one arrives.
void Run_Main_Loop(Screen& screen, const std::function<bool()>& keep_running);
