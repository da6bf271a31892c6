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
struct Pass_Row : Named_Row {
    int mode; const char* keys; int x, dir; const char* beside; bool hole; const char* after;
};
constexpr int Idle = Mode_Idle, Playing = Mode_Playing, L = Facing_Left, R = Facing_Right;
const Pass_Row Pass_Rows[] = {
    {"title_ignores_keys", Idle, "111", 5, R, "00", false, "5 1 0"},
    {"game_over_sequence_ignores_keys", Mode_Game_Over, "111", 5, R, "00", false, "5 1 2"},
    {"closed_high_score_dialog_refreshes_once", Mode_High_Score_Closed, "000", 5, R, "00", false,
     "5 1 0 states"},
    {"no_key_held", Playing, "000", 5, R, "00", false, "5 1 1"},
    {"dig", Playing, "100", 5, R, "00", false, "5 1 1 sound Dig wait 2"},
    {"dig_before_both_arrows", Playing, "111", 5, R, "00", false, "5 1 1 sound Dig wait 2"},
    {"nothing_to_dig_at_the_edge", Playing, "100", 15, R, "00", false, "15 1 1"},
    {"right_onto_soil", Playing, "001", 5, R, "00", false, "6 1 1 digger 64,0 wait 0"},
    {"right_over_a_hole", Playing, "001", 5, R, "00", true, "6 1 1 digger 64,32 wait 3"},
    {"soil_blocks_right", Playing, "001", 5, R, "01", false, "5 1 1"},
    {"soil_blocks_left", Playing, "010", 5, L, "10", false, "5 0 1"},
    {"items_are_no_obstacle", Playing, "010", 5, L, "91", false, "4 0 1 digger 0,0 wait 0"},
    {"left_edge", Playing, "010", 1, L, "00", false, "1 0 1"},
    {"column_2_to_1", Playing, "010", 2, L, "00", false, "1 0 1 digger 0,0 wait 0"},
    {"right_edge", Playing, "001", 15, R, "00", false, "15 1 1"},
    {"column_14_to_15", Playing, "001", 14, R, "00", false, "15 1 1 digger 64,0 wait 0"},
    {"left_turns_a_digger_facing_right", Playing, "010", 5, R, "11", false, "5 0 1 digger 48,0 wait 1"},
    {"right_turns_a_digger_facing_left", Playing, "001", 15, L, "10", false, "15 1 1 digger 112,0 wait 1"},
    {"both_arrows_step_left", Playing, "011", 5, L, "00", false, "4 0 1 digger 0,0 wait 0"},
    {"both_arrows_turn_left", Playing, "011", 5, R, "00", false, "5 0 1 digger 48,0 wait 1"},
    {"both_arrows_blocked_left", Playing, "011", 5, L, "10", false, "5 0 1"},
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
    const auto wait = std::find_if(screen.calls.begin(), screen.calls.end(),
                                   [](const std::string& c) { return c.starts_with("wait"); });
    EXPECT_EQ(std::to_string(Digger_X) + " " + std::to_string(Digger_Dir) + " " +
                  std::to_string(Game_Mode) + first + (wait == screen.calls.end() ? "" : " " + *wait),
              row.after);
    // After an action the loop goes straight on, so a held key repeats; else it waits for events.
    const std::pair once_idle(yields.once, yields.idle);
    EXPECT_EQ(once_idle, first.empty() ? std::pair(0, 1) : std::pair(1, 0));
}
INSTANTIATE_TABLE(Main_Loop, Loop_Pass, Pass_Rows);
