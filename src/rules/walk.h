// Turning and walking one column.
#pragma once

class Screen;

// One turn or step for the held arrow (left before right). False when nothing happened: no
// arrow held, or the step is blocked.
bool Walk_Action(Screen& screen);
