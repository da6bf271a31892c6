// Walking and turning, what each item does where the digger arrives, the special item's
// transformations of the whole map, and the squeeze after a landing.
#include <gtest/gtest.h>

#include "core/random_source.h"
#include "rules/actions.h"
#include "rules/events.h"
#include "support/map_text.h"
#include "support/recording_screen.h"
#include "support/scripted_source.h"
#include "support/table.h"

namespace {

// left and right: the cells beside the digger; hole: no soil under them. first_frame is "" when
// nothing happens at all.
struct Walk_Row { const char* name; const char* keys; int dir, x; char left, right; bool hole; int x_after, dir_after; const char* first_frame; };
void PrintTo(const Walk_Row& r, std::ostream* os) { *os << r.name; }

const char* const Step_Right = "digger 64,0, move 68,16, wait 0";
const char* const Step_Left = "digger 0,0, move 60,16, wait 0";
const Walk_Row Walk_Rows[] = {
    {"right_onto_soil", "001", 1, 5, '0', '0', false, 6, 1, Step_Right},
    {"left_onto_soil", "010", 0, 5, '0', '0', false, 4, 0, Step_Left},
    {"right_over_a_hole", "001", 1, 5, '0', '0', true, 6, 1, "digger 64,32, move 68,16, wait 3"},
    {"left_over_a_hole", "010", 0, 5, '0', '0', true, 4, 0, "digger 0,32, move 60,16, wait 3"},
    {"soil_blocks_right", "001", 1, 5, '0', '1', false, 5, 1, ""},
    {"soil_blocks_left", "010", 0, 5, '1', '0', false, 5, 0, ""},
    {"damage_is_no_obstacle", "001", 1, 5, '0', '2', false, 6, 1, Step_Right},
    {"large_shovel_is_no_obstacle", "010", 0, 5, '9', '0', false, 4, 0, Step_Left},
    {"left_edge", "010", 0, 1, '0', '0', false, 1, 0, ""},
    {"column_2_to_1", "010", 0, 2, '0', '0', false, 1, 0, "digger 0,0, move 12,16, wait 0"},
    {"right_edge", "001", 1, 15, '0', '0', false, 15, 1, ""},
    {"column_14_to_15", "001", 1, 14, '0', '0', false, 15, 1, "digger 64,0, move 212,16, wait 0"},
    {"left_turns_a_digger_facing_right", "010", 1, 5, '1', '1', false, 5, 0, "digger 48,0, wait 1"},
    {"right_turns_a_digger_facing_left", "001", 0, 5, '1', '1', false, 5, 1, "digger 112,0, wait 1"},
    {"turn_at_the_edge", "001", 0, 15, '0', '0', false, 15, 1, "digger 112,0, wait 1"},
    {"both_arrows_step_left", "011", 0, 5, '0', '0', false, 4, 0, Step_Left},
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

// The digger walks right into the item; life, shovel, uses and score before and after.
struct Item_Row { const char* name; char code; int life, shovel, uses, score; Draws u; int life_after, shovel_after, uses_after, score_after; const char* sound; };
void PrintTo(const Item_Row& r, std::ostream* os) { *os << r.name; }

const Item_Row Item_Rows[] = {
    {"empty", '0', 10, 0, 0, 0, {}, 10, 0, 0, 0, ""},
    {"damage", '2', 10, 0, 0, 0, {}, 9, 0, 0, 0, "Dam"},
    {"damage_takes_the_last_life", '2', 1, 0, 0, 0, {}, 0, 0, 0, 0, "Dam"},
    {"gold", '3', 10, 0, 0, 41, {}, 10, 0, 0, 51, "Gold"},
    {"life", '4', 10, 0, 0, 0, {}, 11, 0, 0, 0, "Life"},
    {"life_up_to_twenty", '4', 19, 0, 0, 0, {}, 20, 0, 0, 0, "Life"},
    {"life_capped_at_twenty", '4', 20, 0, 0, 0, {}, 20, 0, 0, 0, "Life"},
    {"stone_with_the_normal_shovel", '5', 10, 0, 0, 0, {}, 10, 0, 0, 0, "Stone"},
    {"stone_adds_a_use", '5', 10, 2, 5, 0, {}, 10, 2, 6, 0, "Stone"},
    {"stone_up_to_twenty", '5', 10, 3, 19, 0, {}, 10, 3, 20, 0, "Stone"},
    {"stone_capped_at_twenty", '5', 10, 4, 20, 0, {}, 10, 4, 20, 0, "Stone"},
    {"power_shovel_fewest_uses", '7', 10, 0, 0, 0, {Low(0, 10)}, 10, 2, 10, 0, "Schop"},
    {"long_shovel_most_uses", '8', 10, 4, 3, 0, {High(9, 10)}, 10, 3, 19, 0, "Schop"},
    {"large_shovel_fresh_count", '9', 10, 2, 20, 0, {Low(5, 10)}, 10, 4, 15, 0, "Schop"},
    {"special", '6', 10, 2, 7, 5, {Low(3, 6)}, 10, 2, 7, 5, "Special"},
};

class Item : public testing::TestWithParam<Item_Row> {};

TEST_P(Item, TakesEffectAndIsCleared)
{
    const Item_Row& row = GetParam();
    Playing_At(5, 1, "000000000000000\n000000000000000\n111111111111111");
    Map_Line[1][5] = row.code;
    Life = row.life;
    Shovel_Type = row.shovel;
    Shovel_Uses = row.uses;
    Score_Table[3].Score = row.score;
    Key_State = "001";
    Scripted_Source random(row.u);
    Recording_Screen screen;
    Walk_Action(screen);
    EXPECT_EQ(Life, row.life_after);
    EXPECT_EQ(Shovel_Type, row.shovel_after);
    EXPECT_EQ(Shovel_Uses, row.uses_after);
    EXPECT_EQ(Score_Table[3].Score, row.score_after);
    EXPECT_EQ(screen.Contains(std::string("sound ") + row.sound), *row.sound != '\0');
    EXPECT_EQ(std::count_if(screen.calls.begin(), screen.calls.end(), [](auto& c) { return c.rfind("sound", 0) == 0; }),
              *row.sound ? 1 : 0);
    EXPECT_EQ(Map_Line[1], "000000000000000");
    EXPECT_EQ(screen.Contains("game_over"), row.life_after == 0);
}
INSTANTIATE_TEST_SUITE_P(Rules, Item, testing::ValuesIn(Item_Rows), Row_Name<Item_Row>);

// Rows 0, 1, 2, 3 and 15 as the map is repainted after the transformation.
struct Transform_Row { const char* name; double u; const char* rows; };
void PrintTo(const Transform_Row& r, std::ostream* os) { *os << r.name; }

const Transform_Row Transform_Rows[] = {
    {"soil_vanishes", Low(0, 6), "000000000000002 000006000000000 000000000000000 023456789000000 900000000000000"},
    {"soil_to_gold", High(1, 6), "000000000000002 000006000000000 333333333333333 323456789000000 900000000000003"},
    {"soil_to_life", Low(2, 6), "000000000000002 000006000000000 444444444444444 423456789000000 900000000000004"},
    {"items_vanish", High(3, 6), "000000000000000 000000000000000 111111111111111 100000000000000 000000000000001"},
    {"items_to_gold", Low(4, 6), "000000000000003 000003000000000 111111111111111 133333333000000 300000000000001"},
    {"items_to_life", High(5, 6), "000000000000004 000004000000000 111111111111111 144444444000000 400000000000001"},
};

class Special_Item : public testing::TestWithParam<Transform_Row> {};

TEST_P(Special_Item, TransformsEveryRowOfTheMap)
{
    Playing_At(5, 1, "000000000000002\n000006000000000\n111111111111111\n123456789000000");
    Map_Line[15] = "900000000000001";
    Key_State = "001";
    Scripted_Source random({GetParam().u});
    Recording_Screen screen;
    std::string rows;
    screen.on_line = [&rows](const std::string& line) {
        if (line != "map_paint 1")
            return;
        for (size_t r : {0, 1, 2, 3, 15})
            rows += (rows.empty() ? "" : " ") + Map_Line[r];
        ++Game_Serial;  // a new game overtakes the rest: no fall, no further draw
    };
    Walk_Action(screen);
    EXPECT_EQ(rows, GetParam().rows);
}
INSTANTIATE_TEST_SUITE_P(Rules, Special_Item, testing::ValuesIn(Transform_Rows), Row_Name<Transform_Row>);

// The digger falls into the landing row, where it stands in column x, onto soil.
struct Squeeze_Row { const char* name; int x; const char* landing; int shovel, life; const char* landing_after; int life_after; };
void PrintTo(const Squeeze_Row& r, std::ostream* os) { *os << r.name; }

const Squeeze_Row Squeeze_Rows[] = {
    {"column_1_soil_right", 1, "011111111111111", 0, 10, "001111111111111", 9},
    {"column_1_open_right", 1, "001111111111111", 0, 10, "001111111111111", 10},
    {"column_15_soil_left", 15, "111111111111110", 0, 10, "111111111111100", 9},
    {"column_15_open_left", 15, "111111111111100", 0, 10, "111111111111100", 10},
    {"column_8_both_sides", 8, "111111101111111", 0, 10, "111111000111111", 9},
    {"column_8_left_only", 8, "111111100000000", 0, 10, "111111100000000", 10},
    {"column_8_right_only", 8, "000000001111111", 0, 10, "000000001111111", 10},
    {"column_2_both_sides", 2, "101111111111111", 0, 10, "000111111111111", 9},
    {"column_2_right_only", 2, "001111111111111", 0, 10, "001111111111111", 10},
    {"column_14_both_sides", 14, "111111111111101", 0, 10, "111111111111000", 9},
    {"column_14_left_only", 14, "111111111111100", 0, 10, "111111111111100", 10},
    {"large_shovel_both_sides", 8, "111111101111111", 4, 10, "111111101111111", 10},
    {"large_shovel_column_1", 1, "011111111111111", 4, 10, "011111111111111", 10},
    {"power_shovel_is_squeezed", 8, "111111101111111", 2, 10, "111111000111111", 9},
    {"last_life", 8, "111111101111111", 0, 1, "111111000111111", 0},
};

class Squeeze : public testing::TestWithParam<Squeeze_Row> {};

TEST_P(Squeeze, PushesOutTheSoilBesideForOneLife)
{
    const Squeeze_Row& row = GetParam();
    Playing_At(row.x, 1, std::string("000000000000000\n000000000000000\n") + row.landing + "\n111111111111111");
    Shovel_Type = row.shovel;
    Shovel_Uses = row.shovel ? 5 : 0;
    Life = row.life;
    Scripted_Source random(Soil_Bottom_Row());
    Recording_Screen screen;
    Sequence sequence(screen);
    Move_Ivents(sequence);
    EXPECT_EQ(Map_Line[1], row.landing_after);
    EXPECT_EQ(Life, row.life_after);
    EXPECT_EQ(screen.Contains("sound Out"), row.life_after < row.life);
    EXPECT_EQ(screen.Contains("game_over"), row.life_after == 0);
}
INSTANTIATE_TEST_SUITE_P(Rules, Squeeze, testing::ValuesIn(Squeeze_Rows), Row_Name<Squeeze_Row>);

}  // namespace
