// A Screen that writes every call down as one short line of text, so a test compares the whole
// sequence of frames, waits and sounds a rule produced:
//   "digger 112,32"               paint sheet (112, 32) into the digger box
//   "move 0,-16"                  place the digger box at left 0, top -16
//   "tile 32,32 <- 96,96 and"     sheet (96, 96) onto the canvas at (32, 32), copy / and / paint
//   "refresh_digger", "refresh_field", "field_top -4", "save_field", "clear_field",
//   "restore_field", "map_paint 0", "states", "wait 2", "sound Dig", "game_over", "yield"
// Header only, needing nothing but the Screen interface, so any test folder can use it.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "rules/screen.h"

class Recording_Screen : public Screen {
public:
    std::vector<std::string> calls;
    int waits = 0;  // waits so far; the first wait is number 1

    // Runs inside every wait, after the wait is written down: number of the wait, its slot.
    // A test starts a new game here (Game_Serial++, then New_Game) to overtake a sequence.
    std::function<void(int number, int slot)> on_wait;
    // Runs inside Game_Over, after it is written down (the soak ends its game here).
    std::function<void()> on_game_over;

    void Paint_Digger(int sheet_x, int sheet_y) override { Log("digger " + Xy(sheet_x, sheet_y)); }
    void Move_Digger(int left, int top) override { Log("move " + Xy(left, top)); }
    void Refresh_Digger() override { Log("refresh_digger"); }
    void Paint_Tile(int x, int y, int sheet_x, int sheet_y, Raster op) override
    {
        Log("tile " + Xy(x, y) + " <- " + Xy(sheet_x, sheet_y) + " " + Op_Name(op));
    }
    void Refresh_Field() override { Log("refresh_field"); }
    void Set_Field_Top(int top) override { Log("field_top " + std::to_string(top)); }
    void Save_Field() override { Log("save_field"); }
    void Clear_Field() override { Log("clear_field"); }
    void Restore_Field() override { Log("restore_field"); }
    void Map_Paint(int mode) override { Log("map_paint " + std::to_string(mode)); }
    void States_Refresh() override { Log("states"); }
    void Wait_Prog(int slot) override
    {
        Log("wait " + std::to_string(slot));
        ++waits;
        if (on_wait)
            on_wait(waits, slot);
    }
    void Sound(const std::string& name) override { Log("sound " + name); }
    void Game_Over() override
    {
        Log("game_over");
        if (on_game_over)
            on_game_over();
    }
    void Yield() override { Log("yield"); }

    // A line of the test's own, e.g. a marker where a new game began.
    void Log(std::string line) { calls.push_back(std::move(line)); }

    bool Contains(const std::string& line) const
    {
        return std::find(calls.begin(), calls.end(), line) != calls.end();
    }
    int Count(const std::string& line) const
    {
        return static_cast<int>(std::count(calls.begin(), calls.end(), line));
    }
    // Everything after the last occurrence of the line (all calls when it never occurs).
    std::vector<std::string> After(const std::string& line) const
    {
        const auto at = std::find(calls.rbegin(), calls.rend(), line);
        return {at.base(), calls.end()};
    }
    void Clear()
    {
        calls.clear();
        waits = 0;
    }

    static std::string Op_Name(Raster op)
    {
        switch (op) {
        case Raster::And: return "and";
        case Raster::Paint: return "paint";
        default: return "copy";
        }
    }

private:
    static std::string Xy(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
};
