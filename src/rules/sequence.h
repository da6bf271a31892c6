// A running animation sequence and its way out. Every wait of a sequence goes through
// Sequence::Wait; when a new game has started (or the window has closed) during that wait,
// Game_Serial has moved on and the wait throws Overtaken, which the entry point of the
// sequence catches. The throw happens after the event loop has returned, so it only ever
// unwinds our own frames.
#pragma once

#include <cstdint>

#include "core/module1.h"
#include "rules/screen.h"

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

private:
    Screen& screen_;
    uint64_t serial_;
};
