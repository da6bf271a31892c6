// The ways a session ends the program from outside: SIGTERM (a logout, a shutdown, a plain
// kill), SIGHUP (the terminal went away) and SIGINT (Ctrl+C). The signal handler itself only
// wakes the event loop; everything else runs there, like any other event.
#pragma once

#include <functional>

class QObject;

// From now on each of the three signals calls end_run from the event loop, for as long as
// owner lives.
void Watch_End_Signals(QObject& owner, std::function<void()> end_run);
