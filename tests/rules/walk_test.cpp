// Walking and turning: which key counts, which cells block a step, the edges, the first frame.
#include <gtest/gtest.h>

#include "core/random_source.h"
#include "rules/actions.h"
#include "support/map_text.h"
#include "support/recording_screen.h"
#include "support/table.h"

namespace {

struct Walk_Row {
    const char* name;
    const char* keys;
    int dir, x;
    char left, right;  // the cells beside the digger in its own row
    bool hole;         // no soil under those two cells
    int x_after, dir_after;
    const char* first_frame;  // "" when nothing happens at all
};
void PrintTo(const Walk_Row& r, std::ostream* os) { *os << r.name; }

const char* const Walk_Right = "digger 64,0, move 68,16, wait 0";
const Walk_Row Walk_Rows[] = {
    {"right_onto_soil", "001", 1, 5, '0', '0', false, 6, 1, Walk_Right},
    {"left_onto_soil", "010", 0, 5, '0', '0', false, 4, 0, "digger 0,0, move 60,16, wait 0"},
    {"right_over_a_hole", "001", 1, 5, '0', '0', true, 6, 1, "digger 64,32, move 68,16, wait 3"},
    {"left_over_a_hole", "010", 0, 5, '0', '0', true, 4, 0, "digger 0,32, move 60,16, wait 3"},
    {"soil_blocks_right", "001", 1, 5, '0', '1', false, 5, 1, ""},
    {"soil_blocks_left", "010", 0, 5, '1', '0', false, 5, 0, ""},
    {"into_damage", "001", 1, 5, '0', '2', false, 6, 1, Walk_Right},
    {"into_gold", "001", 1, 5, '0', '3', false, 6, 1, Walk_Right},
    {"into_life", "001", 1, 5, '0', '4', false, 6, 1, Walk_Right},
    {"into_stone", "001", 1, 5, '0', '5', false, 6, 1, Walk_Right},
    {"into_special", "001", 1, 5, '0', '6', false, 6, 1, Walk_Right},
    {"into_power_shovel", "001", 1, 5, '0', '7', false, 6, 1, Walk_Right},
    {"into_long_shovel", "001", 1, 5, '0', '8', false, 6, 1, Walk_Right},
    {"into_large_shovel", "001", 1, 5, '0', '9', false, 6, 1, Walk_Right},
    {"left_edge", "010", 0, 1, '0', '0', false, 1, 0, ""},
    {"column_two_to_one", "010", 0, 2, '0', '0', false, 1, 0, "digger 0,0, move 12,16, wait 0"},
    {"right_edge", "001", 1, 15, '0', '0', false, 15, 1, ""},
    {"column_fourteen_to_fifteen", "001", 1, 14, '0', '0', false, 15, 1, "digger 64,0, move 212,16, wait 0"},
    {"left_turns_a_digger_facing_right", "010", 1, 5, '1', '1', false, 5, 0, "digger 48,0, wait 1"},
    {"right_turns_a_digger_facing_left", "001", 0, 5, '1', '1', false, 5, 1, "digger 112,0, wait 1"},
    {"turn_at_the_edge", "001", 0, 15, '0', '0', false, 15, 1, "digger 112,0, wait 1"},
    {"both_arrows_step_left", "011", 0, 5, '0', '0', false, 4, 0, "digger 0,0, move 60,16, wait 0"},
    {"both_arrows_turn_left", "011", 1, 5, '0', '0', false, 5, 0, "digger 48,0, wait 1"},
    {"both_arrows_blocked_left", "011", 0, 5, '1', '0', false, 5, 0, ""},
    {"no_arrow", "000", 1, 5, '0', '0', false, 5, 1, ""},
    {"dig_key_alone", "100", 1, 5, '0', '0', false, 5, 1, ""},
};

class Walk : public testing::TestWithParam<Walk_Row> {};

TEST_P(Walk, StepsTurnsOrStays)
{
    const Walk_Row& row = GetParam();
    Playing_At(row.x, row.dir, "");
    Map_Line[2] = Map_Line[3] = "111111111111111";
    for (int side : {-1, 1}) {
        Set_Char(Map_Line[1], row.x + side, side < 0 ? row.left : row.right);
        if (row.hole)
            Set_Char(Map_Line[2], row.x + side, '0');
    }
    Key_State = row.keys;
    Set_Random_Source([] { return 0.5; });  // whatever an item or a fall draws
    Recording_Screen screen;
    const bool acted = Walk_Action(screen);
    Set_Random_Source(nullptr);
    EXPECT_EQ(Digger_X, row.x_after);
    EXPECT_EQ(Digger_Dir, row.dir_after);
    EXPECT_EQ(screen.Text().substr(0, screen.Text().find('\n')), row.first_frame);
    EXPECT_EQ(acted, *row.first_frame != '\0');
}
INSTANTIATE_TEST_SUITE_P(Rules, Walk, testing::ValuesIn(Walk_Rows), Row_Name<Walk_Row>);

}  // namespace
