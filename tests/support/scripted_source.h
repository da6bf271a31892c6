// The game's random source replaced by a script of u values. Drawing more than was scripted, or
// leaving some of it untaken, fails the test: how many draws and in which order is part of a rule.
#pragma once

#include <deque>
#include <vector>

#include <gtest/gtest.h>

#include "core/random_source.h"

// u just inside the lower or the upper end of the range where Int(u × n) = k, so a changed n
// or a moved boundary changes what the rule gets.
inline double Low(int k, int n) { return (k + 0.001) / n; }
inline double High(int k, int n) { return (k + 0.999) / n; }

using Draws = std::vector<double>;
inline Draws operator+(Draws a, const Draws& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
inline Draws Columns(double u) { return Draws(15, u); }
// A new bottom row all of soil, with neither a shovel nor a special item.
inline Draws Soil_Bottom_Row() { return Columns(Low(30, 40)) + Draws{Low(1, 50), Low(1, 100)}; }

class Scripted_Source {
public:
    explicit Scripted_Source(const Draws& script) : script_(script.begin(), script.end())
    {
        Set_Random_Source([this] {
            EXPECT_FALSE(script_.empty()) << "a rule drew more random numbers than were scripted";
            const double u = script_.empty() ? 0.0 : script_.front();
            if (!script_.empty())
                script_.pop_front();
            return u;
        });
    }
    ~Scripted_Source()
    {
        Set_Random_Source(nullptr);
        EXPECT_TRUE(script_.empty()) << script_.size() << " scripted draws were never taken";
    }

private:
    std::deque<double> script_;
};
