// The wait settings dialog's tables: the machine presets and the seven preview animations.
// Kept apart from the widgets so the frames and speeds can be checked without a window.
#pragma once

#include "state/module1.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

inline constexpr int Wait_Slider_Max = 20;

// The drop-down's entries, top to bottom.
const std::array<QString, 7>& Preset_Names();
// The slider positions an entry loads, slot 0 first; the first entry loads nothing.
std::optional<std::array<int, Wait_Slot_Count>> Preset_Positions(int entry);

// A preview timer's interval for a slider position: 50 ms a step, as fast as the timer goes
// at 0.
int Preview_Interval(int position);

// How many frames the slot's preview cycles through.
int Preview_Frame_Count(int slot);

// One copy from the sprite sheet into the 16 × 16 preview box.
struct Preview_Copy {
    int sx, sy, w, h, dx, dy;
    bool operator==(const Preview_Copy&) const = default;
};
// What frame n of the slot's preview copies: one cell, or for the falling preview the cell
// scrolled up 4 px a frame as two strips.
std::vector<Preview_Copy> Preview_Frame(int slot, int n);

// The tick's counter step: one on, back to 0 at the end of the cycle.
int Next_Preview_Frame(int slot, int counter);
