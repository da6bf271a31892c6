// The recorded lines of the rules' recurring animations, built from the sheet places and slots
// of the game's poses, so a test states a whole expected sequence as a sum of its pieces.
#pragma once

#include <string>
#include <vector>

using Lines = std::vector<std::string>;

inline Lines operator+(Lines a, const Lines& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline std::string Digger(int x, int y)
{
    return "digger " + std::to_string(x) + "," + std::to_string(y);
}

inline std::string Tile(int x, int y, int sheet_x, int sheet_y, const char* op)
{
    return "tile " + std::to_string(x) + "," + std::to_string(y) + " <- " + std::to_string(sheet_x)
           + "," + std::to_string(sheet_y) + " " + op;
}

inline Lines Standing(int dir) { return {Digger(64 * dir + 48, 0)}; }

// Four frames of one step from column `from` towards dir (0 left, 1 right); a step over a hole
// uses the stepping-off frames and slot 3, a step onto soil the walking frames and slot 0.
inline Lines Step_Frames(int from, int dir, bool into_hole)
{
    Lines lines;
    const int left = 16 * (from - 1);
    for (int i = 0; i < 4; ++i) {
        lines.push_back(Digger(64 * dir + 16 * i, into_hole ? 32 : 0));
        lines.push_back("move " + std::to_string(left + (dir ? 4 : -4) * (i + 1)) + ",16");
        lines.push_back(into_hole ? "wait 3" : "wait 0");
    }
    return lines;
}

// The digger's own cell cleared after its item, then the status panel.
inline Lines Cleared(int column)
{
    return {Tile(16 * (column - 1), 16, 0, 96, "copy"), "states"};
}

inline Lines Fall_Frames(int dir)
{
    return {Digger(64 * dir + 48, 32), "field_top -4", "wait 4", "field_top -8", "wait 4",
            "field_top -12", "wait 4", "field_top -16", "wait 4", "map_paint 0", "field_top 0",
            "states"};
}

inline Lines Landing_Frames(int dir)
{
    Lines lines;
    for (int i = 0; i < 4; ++i)
        lines = lines + Lines{Digger(64 * dir + 16 * i, 48), "wait 5"};
    return lines + Standing(dir) + Lines{"refresh_digger"};
}

// The squeeze by the soil in the given columns (left first), up to the standing pose and the
// cleared cells; the life and the status refresh follow.
inline Lines Squeeze_Frames(int dir, const std::vector<int>& columns)
{
    Lines lines = {"sound Out"};
    for (int i = 0; i < 4; ++i) {
        lines.push_back(Digger(16 * i, 64));
        for (int c : columns)
            lines.push_back(Tile(16 * (c - 1), 16, 16 * i, 80, "copy"));
        lines.push_back("wait 6");
    }
    lines = lines + Standing(dir);
    for (int c : columns)
        lines.push_back(Tile(16 * (c - 1), 16, 0, 96, "copy"));
    return lines;
}

inline Lines Pickup_Frames()
{
    Lines lines;
    for (int i = 0; i < 4; ++i)
        lines = lines + Lines{Digger(64 + 16 * i, 64), "wait 6"};
    return lines;
}

// The special item from its pickup frames to its last wait; the transformation is drawn
// between the blink and the full repaint.
inline Lines Special_Frames()
{
    Lines lines = Pickup_Frames() + Lines{"sound Special", "save_field"};
    for (int i = 0; i < 3; ++i)
        lines = lines + Lines{"clear_field", "wait 6", "restore_field", "wait 6"};
    lines.push_back("map_paint 1");
    for (int i = 0; i < 5; ++i)
        lines.push_back("wait 6");
    return lines;
}
