// Wait_Prog against a fake clock: every clock reading and every yield is counted.
#include <vector>

#include <gtest/gtest.h>

#include "core/module1.h"
#include "core/pacing.h"

namespace {

// A clock that advances by a fixed step on every yield, and records what Wait_Prog did.
class Fake_Host final : public Pacing_Host {
public:
    double now = 1000.0;
    double step = 0.01;
    int readings = 0;
    int yields = 0;
    std::vector<double> deadlines;
    std::function<void()> on_yield;

    double Seconds() override
    {
        ++readings;
        return now;
    }
    void Yield_Once() override { yielded(); }
    void Yield_Until(double deadline) override
    {
        deadlines.push_back(deadline);
        yielded();
    }
    void Yield_Idle() override { yielded(); }

private:
    void yielded()
    {
        ++yields;
        now += step;
        if (on_yield)
            on_yield();
    }
};

class WaitProg : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        Set_Pacing_Host(&host);
    }
    void TearDown() override { Set_Pacing_Host(nullptr); }

    Fake_Host host;
};

TEST_F(WaitProg, ZeroYieldsOnceAndReadsTheClockNoMore)
{
    Wait_Value[3] = 0;
    Wait_Prog(3);
    EXPECT_EQ(host.yields, 1);
    EXPECT_EQ(host.readings, 1);
}

TEST_F(WaitProg, OneWaitsForTheNextTickEvenOnAFreshTick)
{
    Wait_Value[0] = 1;
    host.now = 2000.0;  // exactly on a 1/64 s tick
    host.step = 0.001;
    Wait_Prog(0);
    // 1/64 s = 15.625 ms: the first reading past the tick comes after 16 one-millisecond yields.
    EXPECT_EQ(host.yields, 16);
    EXPECT_GE(host.now, 2000.0 + 1.0 / 64);
    ASSERT_FALSE(host.deadlines.empty());
    EXPECT_DOUBLE_EQ(host.deadlines.front(), 2000.0 + 1.0 / 64);
}

TEST_F(WaitProg, DeadlineIsStrict)
{
    Wait_Value[2] = 2;  // 0.1 s
    host.now = 10.0;
    host.step = 0.0;
    // The first wake-up lands exactly on the deadline, which is not yet later than it.
    host.on_yield = [&] { host.now = host.yields == 1 ? host.deadlines.back() : host.now + 1e-6; };
    Wait_Prog(2);
    EXPECT_EQ(host.yields, 2);
    EXPECT_DOUBLE_EQ(host.deadlines.front(), 10.0 + 0.1);
}

TEST_F(WaitProg, TwentyWaitsJustOverOnePointNineSeconds)
{
    Wait_Value[6] = 20;
    host.now = 0.0;
    host.step = 0.1;
    Wait_Prog(6);
    EXPECT_GT(host.now, 1.9 - 1e-9);
    EXPECT_LT(host.now, 2.0 + 0.1 + 1e-9);
}

TEST_F(WaitProg, AValueChangedDuringTheWaitChangesThatWait)
{
    Wait_Value[4] = 20;
    host.now = 0.0;
    host.step = 0.1;
    int seen = 0;
    host.on_yield = [&] {
        if (++seen == 2)
            Wait_Value[4] = 3;  // 0.2 s: already passed after the next reading
    };
    Wait_Prog(4);
    EXPECT_EQ(host.yields, 3);
}

TEST_F(WaitProg, NegativeValuesReturnAtOnceWithoutYielding)
{
    Wait_Value[5] = -3;
    Wait_Prog(5);
    EXPECT_EQ(host.yields, 0);
}

TEST_F(WaitProg, AnOvertakenSequenceStopsWaiting)
{
    Wait_Value[1] = 20;
    host.step = 0.01;
    host.on_yield = [] { ++Game_Serial; };
    Wait_Prog(1);
    EXPECT_EQ(host.yields, 1);
}

}  // namespace
