// Frame pacing: every animation frame is followed by one Wait_Prog, whose length the player
// tunes per kind of animation with Wait_Value. While it waits the event loop keeps running.
#pragma once

// The clock and the event loop as Wait_Prog and the main loop see them: the program's is the
// desktop's event loop with a monotonic clock, a test's records every call.
class Pacing_Host {
public:
    virtual ~Pacing_Host() = default;
    virtual double Seconds() = 0;                  // monotonic, fractional seconds
    virtual void Yield_Once() = 0;                 // handle pending events, never block
    virtual void Yield_Until(double deadline) = 0; // handle events; block until one or the deadline
    virtual void Yield_Idle() = 0;                 // handle events; block until one arrives
};

// Every wait and yield from now on goes through host; returns the host it replaces, so that
// whoever puts one in can put the old one back. There must be one before the first wait.
Pacing_Host* Set_Pacing_Host(Pacing_Host* host);
Pacing_Host& Pacing();

// Value 0: yield once. 1: until the next tick of a 1/64 s clock. n ≥ 2: until strictly more
// than (n − 1)/10 s have passed since the call began, re-reading Wait_Value(slot) every time
// round; below 0 the deadline has passed before it starts.
void Wait_Prog(int slot);

// The 1/64 s clock that value 1 waits on: the resolution the default pacing was tuned for.
inline constexpr double Clock_Ticks_Per_Second = 64.0;
