// One pass of the main loop and its yield by mode, held keys and the cells beside the digger; the
// new game command's entry; Wait_Prog against a clock that moves one step at each yield.
#include "core/main_loop.h"
#include "core/new_game.h"
#include "core/pacing.h"
#include "rules/cell_codes.h"
#include "state/module1.h"
#include "state/random_source.h"
#include "support/recording_screen.h"
#include "support/stage.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace {
constexpr int Idle = Mode_Idle, Playing = Mode_Playing, Over = Mode_Game_Over, Named = Mode_High_Score_Closed;
// Counts the yields that return at once and those that wait for an event; the slot's value may
// change after a given yield, as the wait settings dialog does.
struct Stepping_Clock final : Pacing_Host {
    double now = 0, step = 0;
    int once = 0, idle = 0, slot = 0, changed_after = 0, changed_to = 0;
    double Seconds() override { return now; }
    void Yield_Once() override { ++once, tick(); }
    void Yield_Until(double) override { ++once, tick(); }
    void Yield_Idle() override { ++idle, tick(); }
    void tick()
    {
        if (now += step; once + idle > 1000)
            throw std::runtime_error("the wait never ends");
        if (once + idle == changed_after)
            Wait_Value[static_cast<size_t>(slot)] = changed_to;
    }
};

// The digger in column x over soil, the two cells beside it and, with hole, no soil under them.
// after: column, facing, mode, then the first thing the pass drew or played and its first wait.
struct Pass_Row : Named_Row { int mode; const char* keys; int x, dir; const char *beside, *after; bool hole = false; };
constexpr int L = Facing_Left, R = Facing_Right;
const Pass_Row Pass_Rows[] = {
    {"title_ignores_keys", Idle, "111", 5, R, "00", "5 1 0"}, {"no_key_held", Playing, "000", 5, R, "00", "5 1 1"},
    {"game_over_sequence_ignores_keys", Over, "111", 5, R, "00", "5 1 2"},
    {"closed_high_score_dialog_refreshes_once", Named, "000", 5, R, "00", "5 1 0 states"},
    {"dig", Playing, "100", 5, R, "00", "5 1 1 sound Dig wait 2"},
    {"dig_before_both_arrows", Playing, "111", 5, R, "00", "5 1 1 sound Dig wait 2"},
    {"nothing_to_dig_at_the_edge", Playing, "100", 15, R, "00", "15 1 1"},
    {"right_onto_soil", Playing, "001", 5, R, "00", "6 1 1 digger 64,0 wait 0"},
    {"right_over_a_hole", Playing, "001", 5, R, "00", "6 1 1 digger 64,32 wait 3", true},
    {"soil_blocks_right", Playing, "001", 5, R, "01", "5 1 1"}, {"left_edge", Playing, "010", 1, L, "00", "1 0 1"},
    {"soil_blocks_left", Playing, "010", 5, L, "10", "5 0 1"}, {"right_edge", Playing, "001", 15, R, "00", "15 1 1"},
    {"items_are_no_obstacle", Playing, "010", 5, L, "91", "4 0 1 digger 0,0 wait 0"},
    {"damage_is_no_obstacle", Playing, "010", 5, L, "21", "4 0 1 digger 0,0 wait 0"},
    {"both_arrows_blocked_left", Playing, "011", 5, L, "10", "5 0 1"},
    {"column_2_to_1", Playing, "010", 2, L, "00", "1 0 1 digger 0,0 wait 0"},
    {"column_14_to_15", Playing, "001", 14, R, "00", "15 1 1 digger 64,0 wait 0"},
    {"left_turns_a_digger_facing_right", Playing, "010", 5, R, "11", "5 0 1 digger 48,0 wait 1"},
    {"right_turns_a_digger_facing_left", Playing, "001", 15, L, "10", "15 1 1 digger 112,0 wait 1"},
    {"both_arrows_step_left", Playing, "011", 5, L, "00", "4 0 1 digger 0,0 wait 0"},
    {"both_arrows_turn_left", Playing, "011", 5, R, "00", "5 0 1 digger 48,0 wait 1"},
};
class Loop_Pass : public testing::TestWithParam<Pass_Row> {};
TEST_P(Loop_Pass, DoesAtMostOneThingThenYields)
{
    const Pass_Row& row = GetParam();
    Playing_At(row.x, row.dir, "000000000000000\n000000000000000\n111111111111111\n111111111111111");
    for (int side : {0, 1}) {
        Set_Char(Map_Line[1], row.x - 1 + 2 * side, row.beside[side]);
        Set_Char(Map_Line[2], row.x - 1 + 2 * side, row.hole ? '0' : '1');
    }
    Game_Mode = row.mode, Key_State = row.keys;
    Set_Random_Source([] { return 0.5; });  // whatever a dig, an item or a fall draws
    Stepping_Clock yields;
    Pacing_Host* const before = Set_Pacing_Host(&yields);
    Recording_Screen screen;
    int asked = 0;
    Run_Main_Loop(screen, [&] { return ++asked <= 2; });  // exactly one pass and its yield
    Set_Pacing_Host(before), Set_Random_Source(nullptr);
    const std::string first = screen.calls.empty() ? "" : " " + screen.calls.front();
    const auto wait = std::ranges::find_if(screen.calls, [](const std::string& c) { return c.starts_with("wait"); });
    EXPECT_EQ(std::to_string(Digger_X) + " " + std::to_string(Digger_Dir) + " " +
                  std::to_string(Game_Mode) + first + (wait == screen.calls.end() ? "" : " " + *wait),
              row.after);
    // After an action the loop goes straight on, so a held key repeats; else it waits for events.
    EXPECT_EQ(std::pair(yields.once, yields.idle), std::pair(int(!first.empty()), int(first.empty())));
}
INSTANTIATE_TABLE(Main_Loop, Loop_Pass, Pass_Rows);

TEST(New_Game_Command, DropsTheDiggerIntoRowOneAndLandsIt)
{
    Reset_Module1();
    Map_Line.fill("999999999999999");
    Game_Mode = Mode_Game_Over, Key_State = "101", Score_Table[Playing_Entry].Score = 77;
    Shovel_Type = Shovel_Power, Shovel_Uses = 5;
    Set_Random_Source([] { return 0.7; });  // every generated cell empty, no item
    Recording_Screen screen;
    std::vector<int> modes;
    screen.on_wait = [&modes](int, int) { modes.push_back(Game_Mode); };
    EXPECT_TRUE(Run_New_Game(screen, [&] { screen.Log("play_look"); }, [&] { screen.Log("focus"); }));
    Set_Random_Source(nullptr);
    EXPECT_EQ(screen.Text(), R"(play_look, field_top 0, move 0,-16, digger 112,32, states, map_paint 1, yield, move 0,-12, wait 4
move 0,-8..16, wait 4 ×7
digger 64..112,48, wait 5 ×4
digger 112,0, focus
)");
    EXPECT_EQ(modes, std::vector<int>(12, Mode_Playing));  // the keys count from the first frame on
    const auto n = [](int32_t value) { return " " + std::to_string(value); };
    EXPECT_EQ(Key_State + n(Digger_X) + n(Digger_Dir) + n(Life) + n(Score_Table[Playing_Entry].Score) +
                  n(Shovel_Type) + n(Shovel_Uses), "000 1 1 10 0 0 0");
    EXPECT_EQ(Map_Line[2], "111111111111111");
    EXPECT_EQ(std::ranges::count(Map_Line, "000000000000000"), Map_Rows - 1);
}

// Steps are powers of two, so a reading can land exactly on a deadline.
struct Wait_Row : Named_Row { int slot, value; double start, step; int yields, changed_after = 0, changed_to = 0; };
const Wait_Row Wait_Rows[] = {
    {"zero_yields_once", Slot_Walk, 0, 1000, 0.25, 1}, {"two_waits_past_a_tenth", Slot_Dig, 2, 0, 0.0625, 2},
    {"one_waits_for_the_next_tick_even_on_a_fresh_one", Slot_Turn, 1, 2000, 1.0 / 256, 4},
    {"six_ends_only_after_half_a_second", Slot_Step_Into_Hole, 6, 0, 0.125, 5},
    {"eleven_ends_only_after_one_second", Slot_Falling, 11, 0, 0.25, 5},
    {"twenty_waits_past_1_9_seconds", Slot_Landing, 20, 0, 0.25, 8},
    {"a_value_changed_during_the_wait_takes_effect", Slot_Other, 20, 0, 0.25, 2, 2, 3},
    {"negative_returns_without_yielding", Slot_Walk, -3, 0, 0.25, 0},
    {"most_negative_returns_without_yielding", Slot_Turn, INT_MIN, 1000, 1e7, 0},
    {"largest_waits_its_whole_length", Slot_Dig, INT_MAX, 1000, 1e7, 22},
};
class Wait_Prog_Value : public testing::TestWithParam<Wait_Row> {};
TEST_P(Wait_Prog_Value, WaitsAsLongAsItsSlotSays)
{
    const Wait_Row& row = GetParam();
    Wait_Value.fill(999);  // another slot read by mistake waits far too long
    Wait_Value[static_cast<size_t>(row.slot)] = row.value;
    Stepping_Clock clock;
    clock.now = row.start, clock.step = row.step, clock.slot = row.slot;
    clock.changed_after = row.changed_after, clock.changed_to = row.changed_to;
    Pacing_Host* const before = Set_Pacing_Host(&clock);
    EXPECT_NO_THROW(Wait_Prog(row.slot));
    Set_Pacing_Host(before);
    EXPECT_EQ(clock.once + clock.idle, row.yields);
}
INSTANTIATE_TABLE(Pacing, Wait_Prog_Value, Wait_Rows);
}  // namespace
