// The ways a session ends the program from outside: SIGTERM (a logout, a shutdown, a plain
// kill), SIGHUP (the terminal went away), SIGINT (Ctrl+C) and the session manager's quit at a
// logout. The signal handler itself only wakes the event loop; everything else runs there, like
// any other event.
#pragma once

#include <functional>

class QObject;

// From now on each of the three signals and the application's quit call end_run from the event
// loop, for as long as owner lives. SIGXFSZ is ignored: a file-size limit then fails the write
// in hand, which the save reports, instead of ending the program in the middle of it.
void Watch_End_Signals(QObject& owner, std::function<void()> end_run);
