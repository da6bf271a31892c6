// A random source that hands out a scripted list of draws, stated as the whole numbers the
// rules should get: Draw(k, n) is the u that makes Int(u × n) = k.
#pragma once

#include <deque>

#include <gtest/gtest.h>

#include "core/random_source.h"

class Scripted_Random {
public:
    Scripted_Random()
    {
        Set_Random_Source([this] {
            if (draws_.empty()) {
                ADD_FAILURE() << "the rules drew more random numbers than the test scripted";
                return 0.999;
            }
            const double u = draws_.front();
            draws_.pop_front();
            ++taken_;
            return u;
        });
    }
    ~Scripted_Random() { Set_Random_Source(nullptr); }
    Scripted_Random(const Scripted_Random&) = delete;
    Scripted_Random& operator=(const Scripted_Random&) = delete;

    Scripted_Random& Draw(int k, int n)
    {
        draws_.push_back((k + 0.5) / n);
        return *this;
    }
    Scripted_Random& Repeat(int times, int k, int n)
    {
        for (int i = 0; i < times; ++i)
            Draw(k, n);
        return *this;
    }

    int left() const { return static_cast<int>(draws_.size()); }
    int taken() const { return taken_; }

private:
    std::deque<double> draws_;
    int taken_ = 0;
};
