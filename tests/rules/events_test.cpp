// What happens where the digger arrives: each item, the special item's six transformations of
// the map, and the squeeze after a landing.
#include <gtest/gtest.h>

#include "rules/actions.h"
#include "rules/events.h"
#include "support/map_text.h"
#include "support/recording_screen.h"
#include "support/scripted_source.h"
#include "support/table.h"

namespace {

std::string Sounds(const Recording_Screen& screen)
{
    std::string sounds;
    for (const std::string& call : screen.calls)
        if (call.rfind("sound ", 0) == 0)
            sounds += (sounds.empty() ? "" : " ") + call.substr(6);
    return sounds;
}

struct Item_Row {
    const char* name;
    char code;
    int life, shovel, uses, score;
    Draws u;
    int life_after, shovel_after, uses_after, score_after;
    const char* sounds;
};
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
    Playing_At(5, 1, "000000000000000\n000000000000000\n111111111111111\n");
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
    EXPECT_EQ(Sounds(screen), row.sounds);
    EXPECT_EQ(Map_Line[1], "000000000000000");
    EXPECT_EQ(screen.Contains("game_over"), row.life_after == 0);
}
INSTANTIATE_TEST_SUITE_P(Rules, Item, testing::ValuesIn(Item_Rows), Row_Name<Item_Row>);

struct Transform_Row {
    const char* name;
    double u;
    const char* rows;  // rows 0, 1, 2, 3 and 15 once the map is transformed
};
void PrintTo(const Transform_Row& r, std::ostream* os) { *os << r.name; }

const Transform_Row Transform_Rows[] = {
    {"all_soil_vanishes", Low(0, 6),
     "000000000000002 000006000000000 000000000000000 023456789000000 900000000000000"},
    {"all_soil_to_gold", High(1, 6),
     "000000000000002 000006000000000 333333333333333 323456789000000 900000000000003"},
    {"all_soil_to_life", Low(2, 6),
     "000000000000002 000006000000000 444444444444444 423456789000000 900000000000004"},
    {"all_items_vanish", High(3, 6),
     "000000000000000 000000000000000 111111111111111 100000000000000 000000000000001"},
    {"all_items_to_gold", Low(4, 6),
     "000000000000003 000003000000000 111111111111111 133333333000000 300000000000001"},
    {"all_items_to_life", High(5, 6),
     "000000000000004 000004000000000 111111111111111 144444444000000 400000000000001"},
};

class Special_Item : public testing::TestWithParam<Transform_Row> {};

TEST_P(Special_Item, TransformsEveryRowOfTheMap)
{
    Playing_At(5, 1, "000000000000002\n000006000000000\n111111111111111\n123456789000000\n");
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
        ++Game_Serial;  // a new game overtakes the rest: no falls, no further draws
    };
    Walk_Action(screen);
    EXPECT_EQ(rows, GetParam().rows);
}
INSTANTIATE_TEST_SUITE_P(Rules, Special_Item, testing::ValuesIn(Transform_Rows), Row_Name<Transform_Row>);

struct Squeeze_Row {
    const char* name;
    int x;
    const char* landing;  // the digger's row once it has fallen into it
    int shovel, life;
    const char* landing_after;
    int life_after;
};
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
    Playing_At(row.x, 1, std::string("000000000000000\n000000000000000\n") + row.landing + "\n" +
                             "111111111111111\n");
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
