// Digging and every random choice of the rules: the cells each shovel reaches by facing and
// column, both row generators and what a dug cell becomes, draw by draw.
#include "rules/dig.h"
#include "rules/stage_map.h"
#include "state/module1.h"
#include "support/map_text.h"
#include "support/scripted_source.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <algorithm>

const char* const All_Soil = "111111111111111\n111111111111111\n111111111111111";

// A column at each end of every range of a column's draw, then three inside.
Draws Column_Edges(int n)
{
    return {Low(0, n), High(14, n), Low(15, n), High(16, n), Low(17, n), High(18, n), Low(19, n), High(19, n),
            Low(20, n), High(20, n), Low(21, n), High(n - 1, n), Low(7, n), Low(n - 5, n), High(16, n)};
}

// what: "initial" or "bottom" for a generated row, "dig <shovel> <facing>" for the Dig_Codes of
// a digger in column 8 with soil all around.
struct Draw_Row { const char* name; std::string what; Draws u; const char* result; };
// u 0.9 then 0.1 tell an item's code and its column apart.
const Draw_Row Draw_Rows[] = {
    {"initial_column_ranges", "initial", Column_Edges(30) + Draws{Low(1, 50)}, "112233445500102"},
    {"initial_last_item_last_column", "initial", Columns(Low(0, 30)) + Draws{High(0, 50), High(3, 4), High(14, 15)}, "111111111111119"},
    {"initial_first_item_first_column", "initial", Columns(Low(25, 30)) + Draws{Low(0, 50), Low(0, 4), Low(0, 15)}, "600000000000000"},
    {"initial_item_code_then_column", "initial", Columns(Low(0, 30)) + Draws{Low(0, 50), 0.9, 0.1}, "191111111111111"},
    {"bottom_column_ranges", "bottom", Column_Edges(40) + Draws{Low(1, 50), Low(1, 100)}, "002233445511012"},
    {"bottom_shovel_and_special", "bottom", Columns(Low(0, 40)) + Draws{High(0, 50), Low(0, 3), Low(0, 15), Low(0, 100), High(14, 15)}, "700000000000006"},
    {"bottom_last_shovel_last_column", "bottom", Columns(High(39, 40)) + Draws{Low(0, 50), High(2, 3), High(14, 15), High(1, 100)}, "111111111111119"},
    {"bottom_special_alone", "bottom", Columns(Low(30, 40)) + Draws{Low(1, 50), High(0, 100), Low(7, 15)}, "111111161111111"},
    {"bottom_special_over_the_shovel", "bottom", Columns(Low(0, 40)) + Draws{Low(0, 50), Low(1, 3), Low(7, 15), Low(0, 100), High(7, 15)}, "000000060000000"},
    {"bottom_shovel_code_then_column", "bottom", Columns(Low(0, 40)) + Draws{Low(0, 50), 0.9, 0.1, Low(1, 100)}, "090000000000000"},
    {"dig_special_low", "dig 0 1", {Low(0, 100)}, "06000000"}, {"dig_special_high", "dig 0 1", {High(0, 100)}, "06000000"},
    {"dig_power_item", "dig 0 1", {Low(1, 100), Low(0, 3)}, "07000000"},
    {"dig_long_item", "dig 0 1", {High(2, 100), High(1, 3)}, "08000000"},
    {"dig_large_item", "dig 0 1", {Low(2, 100), High(2, 3)}, "09000000"},
    {"dig_damage_low", "dig 0 1", {Low(3, 100)}, "02000000"}, {"dig_damage_high", "dig 0 1", {High(5, 100)}, "02000000"},
    {"dig_life_low", "dig 0 1", {Low(6, 100)}, "04000000"}, {"dig_life_high", "dig 0 1", {High(9, 100)}, "04000000"},
    {"dig_gold_low", "dig 0 1", {Low(10, 100)}, "03000000"}, {"dig_gold_high", "dig 0 1", {High(14, 100)}, "03000000"},
    {"dig_stone_low", "dig 0 1", {Low(15, 100)}, "05000000"}, {"dig_stone_high", "dig 0 1", {High(17, 100)}, "05000000"},
    {"dig_empty_low", "dig 0 1", {Low(18, 100)}, "00000000"}, {"dig_empty_high", "dig 0 1", {High(99, 100)}, "00000000"},
    {"dig_in_position_order", "dig 4 1", {Low(1, 100), High(2, 3), Low(0, 100)}, "09000006"},
    {"dig_shovel_kind_right_after_its_draw", "dig 2 0", {Low(12, 100), Low(2, 100), Low(0, 3)}, "30700000"},
};

class Random_Draws : public testing::TestWithParam<Draw_Row> {};
TEST_P(Random_Draws, GiveWhatTheirRangesSay)
{
    const Draw_Row& row = GetParam();
    const bool dig = row.what.rfind("dig", 0) == 0;
    Playing_At(8, dig ? row.what[6] - '0' : 1, std::string("000000000000000\n") + All_Soil);
    Map_Line[1][7] = '0';
    Shovel_Type = dig ? row.what[4] - '0' : 0;
    Scripted_Source random(row.u);
    if (dig)
        Dig_Judge();
    EXPECT_EQ(row.what == "initial" ? Initial_Row() : row.what == "bottom" ? Bottom_Row() : Dig_Codes, row.result);
}
INSTANTIATE_TEST_SUITE_P(Rules, Random_Draws, testing::ValuesIn(Draw_Rows), Row_Name<Draw_Row>);

// Dig_Mask facing left and facing right; rows 2 and 3 under an open row 1 where not soil all around.
struct Mask_Row { const char* name; int shovel, x; const char* left; const char* right; const char* deep = nullptr; };
const Mask_Row Mask_Rows[] = {
    {"normal_1", 0, 1, "00000000", "01000000"}, {"normal_2", 0, 2, "10000000", "01000000"},
    {"normal_8", 0, 8, "10000000", "01000000"}, {"normal_14", 0, 14, "10000000", "01000000"},
    {"normal_15", 0, 15, "10000000", "00000000"}, {"power_1", 2, 1, "00000000", "01010000"},
    {"power_2", 2, 2, "10100000", "01010000"}, {"power_8", 2, 8, "10100000", "01010000"},
    {"power_14", 2, 14, "10100000", "01010000"}, {"power_15", 2, 15, "10100000", "00000000"},
    {"long_1", 3, 1, "00000000", "01000100"}, {"long_2", 3, 2, "10000000", "01000100"},
    {"long_3", 3, 3, "10001000", "01000100"}, {"long_8", 3, 8, "10001000", "01000100"},
    {"long_13", 3, 13, "10001000", "01000100"}, {"long_14", 3, 14, "10001000", "01000000"},
    {"long_15", 3, 15, "10001000", "00000000"}, {"large_1", 4, 1, "00000000", "01000001"},
    {"large_2", 4, 2, "10000010", "01000001"}, {"large_8", 4, 8, "10000010", "01000001"},
    {"large_14", 4, 14, "10000010", "01000001"}, {"large_15", 4, 15, "10000010", "00000000"},
    // Each cell is tested on its own: a deeper or farther cell is dug behind a hole or an item.
    {"power_behind_holes", 2, 8, "00100000", "00010000", "111111010111111\n111111111111111"},
    {"long_behind_gold", 3, 8, "00001000", "00000100", "111111313111111\n111111111111111"},
    {"large_nothing_level", 4, 8, "10000000", "01000000", "111111111111111\n111111111111111"},
};

class Dig_Reach : public testing::TestWithParam<Mask_Row> {};
TEST_P(Dig_Reach, TakesTheSoilCellsTheShovelReaches)
{
    const Mask_Row& row = GetParam();
    for (int dir : {0, 1}) {
        const std::string mask = dir ? row.right : row.left;
        // Without deep rows soil lies all around, so only the shovel and the field's edge decide.
        Playing_At(row.x, dir, std::string("000000000000000\n") + (row.deep ? "000000000000000\n" + std::string(row.deep) : All_Soil));
        Map_Line[1][static_cast<size_t>(row.x - 1)] = '0';
        Shovel_Type = row.shovel;
        const auto before = Map_Line;
        Scripted_Source random(Draws(std::count(mask.begin(), mask.end(), '1'), Low(50, 100)));
        Dig_Judge();
        EXPECT_EQ(Dig_Mask, mask) << "facing " << (dir ? "right" : "left");
        EXPECT_EQ(Dig_Codes, "00000000");
        EXPECT_EQ(Map_Line, before);
    }
}
INSTANTIATE_TEST_SUITE_P(Rules, Dig_Reach, testing::ValuesIn(Mask_Rows), Row_Name<Mask_Row>);
