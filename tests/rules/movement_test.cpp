// Where the digger arrives: items, the squeeze after a fall into a slot, the special item.
#include "rules/cell_codes.h"
#include "rules/events.h"
#include "support/recording_screen.h"
#include "support/stage.h"
#include "support/table.h"

#include <gtest/gtest.h>

namespace {
const char *const Soil = "111111111111111", *const Open = "000000000000000";
constexpr int Normal = Shovel_Normal, Power = Shovel_Power, Long = Shovel_Long, Large = Shovel_Large;

// Arriving in column x of row 1 over row 2 (row 3 soil), with life, shovel, uses and score;
// after: life, shovel/uses, score, row 1 and the sounds played.
struct Arrival_Row : Named_Row {
    int x; std::string row1, row2; int life, shovel, uses, score; Draws u; const char* after; };
// The item of that code in column 6 over soil.
Arrival_Row item(const char* name, char code, int life, int shovel, int uses, int score, Draws u, const char* after)
{
    return {{name}, 6, std::string(Open).replace(5, 1, 1, code), Soil, life, shovel, uses, score, u, after};
}
const Arrival_Row Item_Rows[] = {
    item("damage", Cell_Damage, 10, Normal, 0, 0, {}, "9 0/0 0 000000000000000 Dam"),
    item("damage_takes_the_last_life", Cell_Damage, 1, Normal, 0, 0, {}, "0 0/0 0 000000000000000 Dam over"),
    item("gold", Cell_Gold, 10, Normal, 0, 41, {}, "10 0/0 51 000000000000000 Gold"),
    item("life", Cell_Life, 10, Normal, 0, 0, {}, "11 0/0 0 000000000000000 Life"),
    item("life_capped_at_twenty", Cell_Life, 20, Normal, 0, 0, {}, "20 0/0 0 000000000000000 Life"),
    item("stone_with_the_normal_shovel", Cell_Stone, 10, Normal, 0, 0, {}, "10 0/0 0 000000000000000 Stone"),
    item("stone_adds_a_use", Cell_Stone, 10, Long, 12, 0, {}, "10 3/13 0 000000000000000 Stone"),
    item("stone_capped_at_twenty", Cell_Stone, 10, Large, 20, 0, {}, "10 4/20 0 000000000000000 Stone"),
    item("power_shovel_fewest_uses", Cell_Power_Shovel, 10, Normal, 0, 0, {Low(0, 10)}, "10 2/10 0 000000000000000 Schop"),
    item("long_shovel_most_uses", Cell_Long_Shovel, 10, Large, 3, 0, {High(9, 10)}, "10 3/19 0 000000000000000 Schop"),
    item("large_shovel_fresh_count", Cell_Large_Shovel, 10, Power, 20, 0, {Low(5, 10)}, "10 4/15 0 000000000000000 Schop"),
    item("special", Cell_Special, 10, Power, 7, 5, {Low(3, 6)}, "10 2/7 5 000000000000000 Special"),
};
// Falling one row (onto soil: Soil_Bottom_Row) into column x with row 1 open and row 2 below.
Arrival_Row squeeze(const char* name, int x, const char* row2, const char* after, int shovel = Normal,
                    int uses = 0, int life = 10)
{
    return {{name}, x, Open, row2, life, shovel, uses, 0, Soil_Bottom_Row(), after};
}
const Arrival_Row Squeeze_Rows[] = {
    squeeze("column_1_soil_right", 1, "011111111111111", "9 0/0 1 001111111111111 Out"),
    squeeze("column_1_open_right", 1, "001111111111111", "10 0/0 1 001111111111111 "),
    squeeze("column_15_soil_left", 15, "111111111111110", "9 0/0 1 111111111111100 Out"),
    squeeze("column_15_open_left", 15, "111111111111100", "10 0/0 1 111111111111100 "),
    squeeze("column_8_both_sides", 8, "111111101111111", "9 0/0 1 111111000111111 Out"),
    squeeze("column_8_left_only", 8, "111111100000000", "10 0/0 1 111111100000000 "),
    squeeze("column_8_right_only", 8, "000000001111111", "10 0/0 1 000000001111111 "),
    squeeze("column_2_both_sides", 2, "101111111111111", "9 0/0 1 000111111111111 Out"),
    squeeze("column_2_right_only", 2, "001111111111111", "10 0/0 1 001111111111111 "),
    squeeze("column_14_left_only", 14, "111111111111100", "10 0/0 1 111111111111100 "),
    squeeze("large_shovel_both_sides", 8, "111111101111111", "10 4/5 1 111111101111111 ", Large, 5),
    squeeze("large_shovel_column_1", 1, "011111111111111", "10 4/5 1 011111111111111 ", Large, 5),
    squeeze("power_shovel_squeezed", 8, "111111101111111", "9 2/5 1 111111000111111 Out", Power, 5),
    squeeze("last_life", 8, "111111101111111", "0 0/0 1 111111000111111 Out over", Normal, 0, 1),
};
class Arrival : public testing::TestWithParam<Arrival_Row> {};
TEST_P(Arrival, ChangesTheGameAsItsRowSays)
{
    const Arrival_Row& row = GetParam();
    Playing_At(row.x, Facing_Right, std::string(Open) + "\n" + row.row1 + "\n" + row.row2 + "\n" + Soil);
    Life = row.life, Shovel_Type = row.shovel, Shovel_Uses = row.uses, Score_Table[Playing_Entry].Score = row.score;
    Scripted_Source random(row.u);
    Recording_Screen screen;
    Sequence sequence(screen);
    Move_Ivents(sequence);
    std::string after = std::to_string(Life) + " " + std::to_string(Shovel_Type) + "/" + std::to_string(Shovel_Uses) +
                        " " + std::to_string(Score_Table[Playing_Entry].Score) + " " + Map_Line[1] + " ";
    for (const std::string& call : screen.calls)
        if (call.starts_with("sound ") || call == "game_over")
            after += std::string(after.back() == ' ' ? "" : " ") + (call == "game_over" ? "over" : call.substr(6));
    EXPECT_EQ(after, row.after);
}
INSTANTIATE_TABLE(Rules_Items, Arrival, Item_Rows);
INSTANTIATE_TABLE(Rules_Squeeze, Arrival, Squeeze_Rows);

// Rows 0, 1, 2, 3 and 15 as the map is repainted after the transformation.
struct Transform_Row : Named_Row { double u; const char* rows; };
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
    Playing_At(6, Facing_Right, "000000000000002\n000006000000000\n111111111111111\n123456789000000");
    Map_Line[15] = "900000000000001";
    Scripted_Source random({GetParam().u});
    Recording_Screen screen;
    std::string rows;
    screen.on_wait = [&rows](int number, int) {  // the first wait after the map is transformed
        for (size_t r : {0, 1, 2, 3, 15})
            rows += number == 11 ? Map_Line[r] + (r < 15 ? " " : "") : "";
        Game_Serial += number == 11;  // a new game overtakes the rest: no fall, no further draw
    };
    Sequence sequence(screen);
    EXPECT_THROW(Move_Ivents(sequence), Overtaken);
    EXPECT_EQ(rows, GetParam().rows);
}
INSTANTIATE_TABLE(Rules, Special_Item, Transform_Rows);
}  // namespace
