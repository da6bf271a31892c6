// A Screen that writes every call down as one short line ("digger 112,32", "tile 32,32 <- 96,96 and",
// "wait 2", "sound Dig", ...), so a test compares the whole sequence a rule produced. A rule that
// runs on far past any animation of the game is stopped at once with an exception.
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
    // The calls as text, one frame a line: a frame ends with its wait. Three or more frames in a
    // row alike but for numbers that each move by the same step every frame are one line, with
    // each moving number written first..last and the count after: "digger 64..112,64, wait 6 ×4".
    std::string Text() const
    {
        std::vector<std::string> frames(1);
        for (const std::string& call : calls) {
            frames.back() += (frames.back().empty() ? "" : ", ") + call;
            if (call.starts_with("wait "))
                frames.emplace_back();
        }
        if (frames.back().empty())
            frames.pop_back();
        std::string text;
        for (size_t first = 0, n = 1; first < frames.size(); first += n, n = 1) {
            while (first + n < frames.size() && Evenly(frames, first, n + 1))
                ++n;
            n = n < 3 ? 1 : n;
            text += n == 1 ? frames[first] + "\n" : Span(frames[first], frames[first + n - 1], n);
        }
        return text;
    }

private:
    static std::string Xy(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
    // The frame with '#' for each number, and the numbers.
    static std::pair<std::string, std::vector<long>> Numbers(const std::string& frame)
    {
        static const std::regex number("-?[0-9]+");
        std::vector<long> values;
        for (auto m = std::sregex_iterator(frame.begin(), frame.end(), number); m != std::sregex_iterator(); ++m)
            values.push_back(std::stol(m->str()));
        return {std::regex_replace(frame, number, "#"), values};
    }
    static bool Evenly(const std::vector<std::string>& frames, size_t first, size_t count)
    {
        const auto [words, a] = Numbers(frames[first]);
        const auto [next_words, b] = Numbers(frames[first + 1]);
        bool even = next_words == words;
        for (size_t k = 2; even && k < count; ++k) {
            const auto [w, v] = Numbers(frames[first + k]);
            even = w == words;
            for (size_t i = 0; even && i < a.size(); ++i)
                even = v[i] == a[i] + static_cast<long>(k) * (b[i] - a[i]);
        }
        return even;
    }
    static std::string Span(const std::string& first, const std::string& last, size_t count)
    {
        const auto [words, a] = Numbers(first);
        const auto b = Numbers(last).second;
        std::string line;
        for (size_t i = 0; char c : words) {
            const std::string to = c == '#' && a[i] != b[i] ? ".." + std::to_string(b[i]) : "";
            line += c == '#' ? std::to_string(a[i]) + to : std::string(1, c);
            i += c == '#';
        }
        return line + " ×" + std::to_string(count) + "\n";
    }
};
