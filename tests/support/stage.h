// A game under way on a stage written as text, and the random source replaced by a script of u values:
// drawing more than it holds stops the rule at once with an exception, fewer fails the test.
#pragma once

#include "state/module1.h"
#include "state/random_source.h"

#include <gtest/gtest.h>

#include <deque>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

// Rows of fifteen digits, row 0 first; rows left out are empty space.
inline void Playing_At(int x, int dir, const std::string& map)
{
    Reset_Module1();
    Game_Mode = Mode_Playing, Life = Life_At_Start, Key_State = "000", Digger_X = x, Digger_Dir = dir;
    std::istringstream lines(map);
    std::string line;
    for (std::string& row : Map_Line)
        row = std::getline(lines, line) ? line : std::string(Field_Columns, '0');
}

// u just inside either end of the range where Int(u × n) = k: a changed n or boundary shows.
inline double Low(int k, int n) { return (k + 0.001) / n; }
inline double High(int k, int n) { return (k + 0.999) / n; }

using Draws = std::vector<double>;
inline Draws operator+(Draws a, const Draws& b) { return a.insert(a.end(), b.begin(), b.end()), a; }
inline Draws Columns(double u) { return Draws(15, u); }
// A new bottom row all of soil, with neither a shovel nor a special item.
inline Draws Soil_Bottom_Row() { return Columns(Low(30, 40)) + Draws{Low(1, 50), Low(1, 100)}; }

struct Scripted_Source {
    std::deque<double> script;
    explicit Scripted_Source(const Draws& draws) : script(draws.begin(), draws.end())
    {
        Set_Random_Source([this] {
            if (script.empty())
                throw std::runtime_error("a rule drew more random numbers than were scripted");
            const double u = script.front();
            return script.pop_front(), u;
        });
    }
    ~Scripted_Source()
    {
        Set_Random_Source(nullptr);
        EXPECT_TRUE(script.empty()) << script.size() << " scripted draws were never taken";
    }
};
