// A running animation sequence and its way out. Every wait of a sequence goes through
// Sequence::Wait; when a new game has started (or the window has closed) during that wait,
// Game_Serial has moved on and the wait throws Overtaken, which the entry point of the
// sequence catches. The throw happens after the event loop has returned, so it only ever
// unwinds our own frames.
#pragma once

#include "rules/screen.h"
#include "state/module1.h"

#include <cstdint>

struct Overtaken {};

class Sequence {
public:
    explicit Sequence(Screen& screen) : screen_(screen), serial_(Game_Serial) {}

    Screen& screen() { return screen_; }

    void Wait(int slot)
    {
        screen_.Wait_Prog(slot);
        Check();
    }

    void Check() const
    {
        if (Game_Serial != serial_)
            throw Overtaken{};
    }

    // The four frames of a pose: each paints the digger as pose(frame) gives it, then whatever
    // else that frame draws (also(frame)), then waits in the slot.
    template <class Pose, class Also>
    void Play_Pose(int slot, Pose pose, Also also)
    {
        for (int frame = 0; frame < Frames_Per_Pose; ++frame) {
            screen_.Paint_Digger(pose(frame));
            also(frame);
            Wait(slot);
        }
    }
    template <class Pose>
    void Play_Pose(int slot, Pose pose)
    {
        Play_Pose(slot, pose, [](int) {});
    }

private:
    Screen& screen_;
    uint64_t serial_;
};
