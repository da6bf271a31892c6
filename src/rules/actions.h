// What the main loop and the new game command ask of the rules.
#pragma once

class Screen;

// Resets the game state and generates a fresh map; puts the digger box above the field.
void New_Game(Screen& screen);

// One dig with the held dig key. False when nothing could be dug: then no sound, no frame and
// no wait happened.
bool Dig_Action(Screen& screen);

// One turn or step for the held arrow (left before right). False when nothing happened: no
// arrow held, or the step is blocked.
bool Walk_Action(Screen& screen);
