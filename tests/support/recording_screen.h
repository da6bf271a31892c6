// A Screen that writes every call down as one short line ("digger 112,32", "wait 2", "sound Dig", ...), so a
// test compares a rule's whole sequence; a rule running far past any animation is stopped with an exception.
#pragma once

#include "rules/screen.h"

#include <functional>
#include <regex>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

class Recording_Screen : public Screen {
public:
    static constexpr size_t Most_Calls = 2000;
    std::vector<std::string> calls;
    int waits = 0;
    // Inside every wait: its number (the first is 1) and slot. A test overtakes a sequence here.
    std::function<void(int number, int slot)> on_wait;
    static std::string Xy(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

    void Paint_Digger(int x, int y) override { Log("digger " + Xy(x, y)); }
    void Move_Digger(int left, int top) override { Log("move " + Xy(left, top)); }
    void Refresh_Digger() override { Log("refresh_digger"); }
    void Paint_Tile(int x, int y, int sheet_x, int sheet_y, Raster op) override
    {
        const char* how = op == Raster::Copy ? " copy" : op == Raster::And ? " and" : " paint";
        Log("tile " + Xy(x, y) + " <- " + Xy(sheet_x, sheet_y) + how);
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
        if (on_wait)
            on_wait(++waits, slot);
    }
    void Sound(const std::string& name) override { Log("sound " + name); }
    void Game_Over() override { Log("game_over"); }
    void Yield() override { Log("yield"); }

    void Log(const std::string& line)
    {
        if (calls.size() >= Most_Calls)
            throw std::runtime_error("the rule never came to an end: " + line);
        calls.push_back(line);
    }
    // One frame a line (a frame ends with its wait). Three or more frames alike but for numbers moving by
    // a fixed step each are one line, each moving number first..last, then the count: "digger 64..112,64, wait 6 ×4".
    std::string Text() const
    {
        static const std::regex number("-?[0-9]+");
        std::vector<std::pair<std::string, std::vector<long>>> frames;  // with '#' for each number
        std::string frame;
        for (size_t c = 0; c < calls.size(); ++c) {
            frame += (frame.empty() ? "" : ", ") + calls[c];
            if (!calls[c].starts_with("wait ") && c + 1 < calls.size())
                continue;
            std::vector<long> values;
            for (std::sregex_token_iterator m(frame.begin(), frame.end(), number), end; m != end; ++m)
                values.push_back(std::stol(*m));
            frames.emplace_back(std::regex_replace(frame, number, "#"), values), frame.clear();
        }
        std::string text;
        for (size_t i = 0, n = 1; i < frames.size(); i += n, n = 1) {
            const auto& [words, a] = frames[i];
            const auto steps_on = [&](size_t k) {  // as far from frame i as frame i + 1, k times over
                const auto& [w, v] = frames[i + k];
                for (size_t j = 0; w == words && j < a.size(); ++j)
                    if (v[j] - a[j] != static_cast<long>(k) * (frames[i + 1].second[j] - a[j]))
                        return false;
                return w == words;
            };
            while (i + n < frames.size() && steps_on(n))
                ++n;
            n = n < 3 ? 1 : n;
            for (size_t j = 0; char c : words) {
                const long last = c == '#' ? frames[i + n - 1].second[j] : 0;
                const std::string to = c == '#' && last != a[j] ? ".." + std::to_string(last) : "";
                text += c == '#' ? std::to_string(a[j++]) + to : std::string(1, c);
            }
            text += n > 1 ? " ×" + std::to_string(n) + "\n" : "\n";
        }
        return text;
    }
};
