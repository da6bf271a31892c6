// One pass of the main loop, then its yield: the modes, the priority of the held keys, and what
// a turn or a step does by the cells beside the digger and the field's edges.
#include "core/main_loop.h"
#include "core/pacing.h"
#include "state/random_source.h"
#include "support/map_text.h"
#include "support/recording_screen.h"
#include "support/table.h"

#include <gtest/gtest.h>

struct Yield_Counter final : Pacing_Host {
    int once = 0, idle = 0;
    double Seconds() override { return 0; }
    void Yield_Once() override { ++once; }
    void Yield_Until(double) override { ++once; }
    void Yield_Idle() override { ++idle; }
};

// The digger in column x over soil, the two cells beside it and, with hole, no soil under them.
// after: column, facing, mode, then the first thing the pass drew or played and its first wait.
struct Pass_Row { const char* name; int mode; const char* keys; int x, dir; const char* beside; bool hole; const char* after; };
const Pass_Row Pass_Rows[] = {
    {"title_ignores_keys", 0, "111", 5, 1, "00", false, "5 1 0"},
    {"game_over_sequence_ignores_keys", 2, "111", 5, 1, "00", false, "5 1 2"},
    {"closed_high_score_dialog_refreshes_once", 3, "000", 5, 1, "00", false, "5 1 0 states"},
    {"no_key_held", 1, "000", 5, 1, "00", false, "5 1 1"},
    {"dig", 1, "100", 5, 1, "00", false, "5 1 1 sound Dig wait 2"},
    {"dig_before_both_arrows", 1, "111", 5, 1, "00", false, "5 1 1 sound Dig wait 2"},
    {"nothing_to_dig_at_the_edge", 1, "100", 15, 1, "00", false, "15 1 1"},
    {"right_onto_soil", 1, "001", 5, 1, "00", false, "6 1 1 digger 64,0 wait 0"},
    {"right_over_a_hole", 1, "001", 5, 1, "00", true, "6 1 1 digger 64,32 wait 3"},
    {"soil_blocks_right", 1, "001", 5, 1, "01", false, "5 1 1"},
    {"soil_blocks_left", 1, "010", 5, 0, "10", false, "5 0 1"},
    {"items_are_no_obstacle", 1, "010", 5, 0, "91", false, "4 0 1 digger 0,0 wait 0"},
    {"left_edge", 1, "010", 1, 0, "00", false, "1 0 1"},
    {"column_2_to_1", 1, "010", 2, 0, "00", false, "1 0 1 digger 0,0 wait 0"},
    {"right_edge", 1, "001", 15, 1, "00", false, "15 1 1"},
    {"column_14_to_15", 1, "001", 14, 1, "00", false, "15 1 1 digger 64,0 wait 0"},
    {"left_turns_a_digger_facing_right", 1, "010", 5, 1, "11", false, "5 0 1 digger 48,0 wait 1"},
    {"right_turns_a_digger_facing_left", 1, "001", 15, 0, "10", false, "15 1 1 digger 112,0 wait 1"},
    {"both_arrows_step_left", 1, "011", 5, 0, "00", false, "4 0 1 digger 0,0 wait 0"},
    {"both_arrows_turn_left", 1, "011", 5, 1, "00", false, "5 0 1 digger 48,0 wait 1"},
    {"both_arrows_blocked_left", 1, "011", 5, 0, "10", false, "5 0 1"},
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
    Yield_Counter yields;
    Pacing_Host* const before = Set_Pacing_Host(&yields);
    Recording_Screen screen;
    int asked = 0;
    Run_Main_Loop(screen, [&] { return ++asked <= 2; });  // exactly one pass and its yield
    Set_Pacing_Host(before), Set_Random_Source(nullptr);
    const std::string first = screen.calls.empty() ? "" : " " + screen.calls.front();
    const auto wait = std::find_if(screen.calls.begin(), screen.calls.end(), [](auto& c) { return c.rfind("wait", 0) == 0; });
    EXPECT_EQ(std::to_string(Digger_X) + " " + std::to_string(Digger_Dir) + " " + std::to_string(Game_Mode) + first +
                  (wait == screen.calls.end() ? "" : " " + *wait), row.after);
    // After an action the loop goes straight on, so a held key repeats; else it waits for events.
    EXPECT_EQ(std::pair(yields.once, yields.idle), first.empty() ? std::pair(0, 1) : std::pair(1, 0));
}
INSTANTIATE_TEST_SUITE_P(Main_Loop, Loop_Pass, testing::ValuesIn(Pass_Rows), Row_Name<Pass_Row>);
