// The game's random source replaced by a script of draws. Each entry is stated as the whole
// number the rule should get: Draw(k, n) queues the u that makes Int(u × n) = k. Drawing more
// than was scripted fails the test; so does a script left unfinished when the object goes,
// unless the test said Allow_Leftovers().
#pragma once

#include <deque>

#include <gtest/gtest.h>

#include "core/random_source.h"

class Scripted_Source {
public:
    Scripted_Source()
    {
        Set_Random_Source([this] {
            if (script_.empty()) {
                ADD_FAILURE() << "a rule drew random number " << taken_ + 1 << " but only "
                              << taken_ << " were scripted";
                ++taken_;
                return 0.0;
            }
            const double u = script_.front();
            script_.pop_front();
            ++taken_;
            return u;
        });
    }
    ~Scripted_Source()
    {
        Set_Random_Source(nullptr);
        if (!leftovers_allowed_ && !script_.empty())
            ADD_FAILURE() << script_.size() << " scripted draws were never taken";
    }
    Scripted_Source(const Scripted_Source&) = delete;
    Scripted_Source& operator=(const Scripted_Source&) = delete;

    Scripted_Source& Draw(int k, int n)
    {
        script_.push_back((k + 0.5) / n);
        return *this;
    }
    Scripted_Source& Repeat(int times, int k, int n)
    {
        for (int i = 0; i < times; ++i)
            Draw(k, n);
        return *this;
    }
    Scripted_Source& U(double u)
    {
        script_.push_back(u);
        return *this;
    }
    // The draws of one new bottom row: all soil (or all empty), no shovel, no special.
    Scripted_Source& Plain_Bottom_Row(bool soil = true)
    {
        return Repeat(15, soil ? 30 : 0, 40).Draw(1, 50).Draw(1, 100);
    }
    Scripted_Source& Plain_Bottom_Rows(int rows)
    {
        for (int i = 0; i < rows; ++i)
            Plain_Bottom_Row();
        return *this;
    }

    int Left() const { return static_cast<int>(script_.size()); }
    int Taken() const { return taken_; }
    void Allow_Leftovers() { leftovers_allowed_ = true; }

private:
    std::deque<double> script_;
    int taken_ = 0;
    bool leftovers_allowed_ = false;
};
