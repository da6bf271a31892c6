// A Screen that writes down every call as a short line of text, so a test can compare the
// whole sequence of frames, waits and sounds. A hook may run inside any wait.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "rules/screen.h"

class Call_Log final : public Screen {
public:
    std::vector<std::string> calls;
    // Runs inside every wait, with the number of waits so far (1 for the first).
    std::function<void(int)> on_wait;
    int waits = 0;

    void Paint_Digger(int x, int y) override { log("digger " + xy(x, y)); }
    void Move_Digger(int x, int y) override { log("move " + xy(x, y)); }
    void Refresh_Digger() override { log("refresh_digger"); }
    void Paint_Tile(int x, int y, int sx, int sy, Raster op) override
    {
        static const char* const ops[] = {"copy", "and", "paint"};
        log("tile " + xy(x, y) + " " + xy(sx, sy) + " " + ops[static_cast<int>(op)]);
    }
    void Refresh_Field() override { log("refresh_field"); }
    void Set_Field_Top(int top) override { log("field_top " + std::to_string(top)); }
    void Save_Field() override { log("save_field"); }
    void Clear_Field() override { log("clear_field"); }
    void Restore_Field() override { log("restore_field"); }
    void Map_Paint(int mode) override { log("map_paint " + std::to_string(mode)); }
    void States_Refresh() override { log("states"); }
    void Wait_Prog(int slot) override
    {
        log("wait " + std::to_string(slot));
        ++waits;
        if (on_wait)
            on_wait(waits);
    }
    void Sound(const std::string& name) override { log("sound " + name); }
    void Game_Over() override { log("game_over"); }
    void Yield() override { log("yield"); }

    bool contains(const std::string& call) const
    {
        for (const auto& c : calls)
            if (c == call)
                return true;
        return false;
    }

    void log(std::string call) { calls.push_back(std::move(call)); }

private:
    static std::string xy(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
};
