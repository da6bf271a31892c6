// One pass of the main loop for each mode and each combination of held keys, and its yield.
#include <gtest/gtest.h>

#include "core/main_loop.h"
#include "core/pacing.h"
#include "core/random_source.h"
#include "support/map_text.h"
#include "support/recording_screen.h"
#include "support/table.h"

namespace {

struct Yield_Counter final : Pacing_Host {
    int once = 0, idle = 0;
    double Seconds() override { return 0; }
    void Yield_Once() override { ++once; }
    void Yield_Until(double) override { ++once; }
    void Yield_Idle() override { ++idle; }
};

// The digger faces right in column x over soil; first_call is the first thing the pass draws
// or plays, "" when it does nothing.
struct Pass_Row { const char* name; int mode, x; const char* keys; int mode_after; const char* first_call; };
void PrintTo(const Pass_Row& r, std::ostream* os) { *os << r.name; }

const Pass_Row Pass_Rows[] = {
    {"title_ignores_keys", 0, 5, "111", 0, ""},
    {"game_over_sequence_ignores_keys", 2, 5, "111", 2, ""},
    {"closed_high_score_dialog_refreshes_once", 3, 5, "000", 0, "states"},
    {"no_key_held", 1, 5, "000", 1, ""},
    {"dig", 1, 5, "100", 1, "sound Dig"},
    {"dig_before_both_arrows", 1, 5, "111", 1, "sound Dig"},
    {"dig_before_right", 1, 5, "101", 1, "sound Dig"},
    {"left_before_right", 1, 5, "011", 1, "digger 48,0"},
    {"left_turns", 1, 5, "010", 1, "digger 48,0"},
    {"right_steps", 1, 5, "001", 1, "digger 64,0"},
    {"nothing_to_dig_at_the_edge", 1, 15, "100", 1, ""},
    {"blocked_at_the_edge", 1, 15, "001", 1, ""},
};

class Main_Loop_Pass_Row : public testing::TestWithParam<Pass_Row> {};

TEST_P(Main_Loop_Pass_Row, DoesAtMostOneThingThenYields)
{
    const Pass_Row& row = GetParam();
    Playing_At(row.x, 1, "000000000000000\n000000000000000\n111111111111111\n111111111111111");
    Game_Mode = row.mode;
    Key_State = row.keys;
    Set_Random_Source([] { return 0.5; });
    Yield_Counter yields;
    Set_Pacing_Host(&yields);
    Recording_Screen screen;
    int asked = 0;
    Run_Main_Loop(screen, [&] { return ++asked <= 2; });  // exactly one pass and its yield
    Set_Pacing_Host(nullptr);
    Set_Random_Source(nullptr);
    EXPECT_EQ(Game_Mode, row.mode_after);
    EXPECT_EQ(screen.calls.empty() ? "" : screen.calls.front(), row.first_call);
    // After an action the loop goes straight on, so a held key repeats; else it waits for events.
    EXPECT_EQ(yields.once, *row.first_call ? 1 : 0);
    EXPECT_EQ(yields.idle, *row.first_call ? 0 : 1);
}
INSTANTIATE_TEST_SUITE_P(Main_Loop, Main_Loop_Pass_Row, testing::ValuesIn(Pass_Rows), Row_Name<Pass_Row>);

}  // namespace
