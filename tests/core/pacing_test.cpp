// Wait_Prog against a clock that moves one step each time the game yields.
#include "core/pacing.h"
#include "state/module1.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

// Steps are powers of two, so a reading can land exactly on a deadline. The slot's value may
// change after a given yield, as the wait settings dialog does.
struct Wait_Row : Named_Row {
    int slot; int32_t value; double start, step; int yields, changed_after = 0, changed_to = 0;
};
const Wait_Row Wait_Rows[] = {
    {"zero_yields_once", Slot_Walk, 0, 1000, 0.25, 1},
    {"one_waits_for_the_next_tick_even_on_a_fresh_one", Slot_Turn, 1, 2000, 1.0 / 256, 4},
    {"two_waits_past_a_tenth", Slot_Dig, 2, 0, 0.0625, 2},
    {"six_ends_only_after_half_a_second", Slot_Step_Into_Hole, 6, 0, 0.125, 5},
    {"eleven_ends_only_after_one_second", Slot_Falling, 11, 0, 0.25, 5},
    {"twenty_waits_past_1_9_seconds", Slot_Landing, 20, 0, 0.25, 8},
    {"a_value_changed_during_the_wait_takes_effect", Slot_Other, 20, 0, 0.25, 2, 2, 3},
    {"negative_returns_without_yielding", Slot_Walk, -3, 0, 0.25, 0},
    {"most_negative_returns_without_yielding", Slot_Turn, INT_MIN, 1000, 1e7, 0},
    {"largest_waits_its_whole_length", Slot_Dig, INT_MAX, 1000, 1e7, 22},
};

struct Stepping_Clock final : Pacing_Host {
    const Wait_Row& row;
    double now = row.start;
    int yields = 0;

    explicit Stepping_Clock(const Wait_Row& r) : row(r) {}
    double Seconds() override { return now; }
    void Yield_Once() override { Yield_Until(0); }
    void Yield_Idle() override { Yield_Until(0); }
    void Yield_Until(double) override
    {
        now += row.step;
        if (++yields > 1000)
            throw std::runtime_error("the wait never ends");
        if (yields == row.changed_after)
            Wait_Value[static_cast<size_t>(row.slot)] = row.changed_to;
    }
};

class Wait_Prog_Value : public testing::TestWithParam<Wait_Row> {};
TEST_P(Wait_Prog_Value, WaitsAsLongAsItsSlotSays)
{
    Wait_Value.fill(999);  // another slot read by mistake waits far too long
    Wait_Value[static_cast<size_t>(GetParam().slot)] = GetParam().value;
    Stepping_Clock clock(GetParam());
    Pacing_Host* const before = Set_Pacing_Host(&clock);
    EXPECT_NO_THROW(Wait_Prog(GetParam().slot));
    Set_Pacing_Host(before);
    EXPECT_EQ(clock.yields, GetParam().yields);
}
INSTANTIATE_TABLE(Pacing, Wait_Prog_Value, Wait_Rows);
