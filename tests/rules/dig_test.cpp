// Digging and every random choice of the rules: the cells each shovel reaches by facing and
// column, both row generators and what a dug cell becomes, draw by draw.
#include "rules/cell_codes.h"
#include "rules/dig.h"
#include "rules/stage_map.h"
#include "state/module1.h"
#include "support/stage.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
const char* const All_Soil = "111111111111111\n111111111111111\n111111111111111";

// A column at each end of every range of a column's draw, then three inside.
Draws Column_Edges(int n)
{
    return {Low(0, n), High(14, n), Low(15, n), High(16, n), Low(17, n), High(18, n), Low(19, n), High(19, n),
            Low(20, n), High(20, n), Low(21, n), High(n - 1, n), Low(7, n), Low(n - 5, n), High(16, n)};
}
Draws Ends(int low, int high) { return {Low(low, 100), High(high, 100)}; }

enum class Drawn { Initial_Row, Bottom_Row, Dig_Codes };
constexpr Drawn Initial = Drawn::Initial_Row, Bottom = Drawn::Bottom_Row, Dig = Drawn::Dig_Codes;
constexpr int Normal = Shovel_Normal, Power = Shovel_Power, Long = Shovel_Long, Large = Shovel_Large, L = Facing_Left;
// A generated row, or the Dig_Codes of a digger in column 8 with soil all around.
struct Draw_Row : Named_Row { Drawn drawn; Draws u; const char* result; int shovel = Normal, facing = Facing_Right; };
// u 0.9 then 0.1 tell an item's code and its column apart.
const Draw_Row Draw_Rows[] = {
    {"initial_column_ranges", Initial, Column_Edges(30) + Draws{Low(1, 50)}, "112233445500102"},
    {"initial_last_item_last_column", Initial,
     Columns(Low(0, 30)) + Draws{High(0, 50), High(3, 4), High(14, 15)}, "111111111111119"},
    {"initial_first_item_first_column", Initial,
     Columns(Low(25, 30)) + Draws{Low(0, 50), Low(0, 4), Low(0, 15)}, "600000000000000"},
    {"initial_item_code_then_column", Initial, Columns(Low(0, 30)) + Draws{Low(0, 50), 0.9, 0.1}, "191111111111111"},
    {"bottom_column_ranges", Bottom, Column_Edges(40) + Draws{Low(1, 50), Low(1, 100)}, "002233445511012"},
    {"bottom_shovel_and_special", Bottom,
     Columns(Low(0, 40)) + Draws{High(0, 50), Low(0, 3), Low(0, 15), Low(0, 100), High(14, 15)}, "700000000000006"},
    {"bottom_last_shovel_last_column", Bottom,
     Columns(High(39, 40)) + Draws{Low(0, 50), High(2, 3), High(14, 15), High(1, 100)}, "111111111111119"},
    {"bottom_special_alone", Bottom, Columns(Low(30, 40)) + Draws{Low(1, 50), High(0, 100), Low(7, 15)},
     "111111161111111"},
    {"bottom_special_over_the_shovel", Bottom,
     Columns(Low(0, 40)) + Draws{Low(0, 50), Low(1, 3), Low(7, 15), Low(0, 100), High(7, 15)}, "000000060000000"},
    {"bottom_shovel_code_then_column", Bottom, Columns(Low(0, 40)) + Draws{Low(0, 50), 0.9, 0.1, Low(1, 100)},
     "090000000000000"},
    // Facing right a large shovel digs two cells: one draw at each end of a range.
    {"dig_special", Dig, Ends(0, 0), "06000006", Large}, {"dig_damage", Dig, Ends(3, 5), "02000002", Large},
    {"dig_life", Dig, Ends(6, 9), "04000004", Large}, {"dig_gold", Dig, Ends(10, 14), "03000003", Large},
    {"dig_stone", Dig, Ends(15, 17), "05000005", Large}, {"dig_empty", Dig, Ends(18, 99), "00000000", Large},
    {"dig_power_and_long_items", Dig, {Low(1, 100), Low(0, 3), High(2, 100), High(1, 3)}, "07000008", Large},
    {"dig_in_position_order", Dig, {Low(1, 100), High(2, 3), Low(0, 100)}, "09000006", Large},
    {"dig_shovel_kind_right_after_its_draw", Dig, {Low(12, 100), Low(2, 100), Low(0, 3)}, "30700000", Power, L},
};
class Random_Draws : public testing::TestWithParam<Draw_Row> {};
TEST_P(Random_Draws, GiveWhatTheirRangesSay)
{
    const Draw_Row& row = GetParam();
    Playing_At(8, row.facing, std::string("000000000000000\n") + All_Soil);
    Map_Line[1][7] = Cell_Empty;
    Shovel_Type = row.shovel;
    Scripted_Source random(row.u);
    if (row.drawn == Dig)
        Dig_Judge();
    EXPECT_EQ(row.drawn == Initial ? Initial_Row() : row.drawn == Bottom ? Bottom_Row() : Dig_Codes, row.result);
}
INSTANTIATE_TABLE(Rules, Random_Draws, Draw_Rows);

// Dig_Mask facing left and facing right; rows 2 and 3 under an open row 1 where not soil all around.
struct Mask_Row : Named_Row { int shovel, x; const char *left, *right, *deep = nullptr; };
const Mask_Row Mask_Rows[] = {
    {"normal_1", Normal, 1, "00000000", "01000000"}, {"normal_2", Normal, 2, "10000000", "01000000"},
    {"normal_14", Normal, 14, "10000000", "01000000"}, {"normal_15", Normal, 15, "10000000", "00000000"},
    {"power_1", Power, 1, "00000000", "01010000"}, {"power_2", Power, 2, "10100000", "01010000"},
    {"power_14", Power, 14, "10100000", "01010000"}, {"power_15", Power, 15, "10100000", "00000000"},
    {"long_1", Long, 1, "00000000", "01000100"}, {"long_2", Long, 2, "10000000", "01000100"},
    {"long_3", Long, 3, "10001000", "01000100"}, {"long_13", Long, 13, "10001000", "01000100"},
    {"long_14", Long, 14, "10001000", "01000000"}, {"long_15", Long, 15, "10001000", "00000000"},
    {"large_1", Large, 1, "00000000", "01000001"}, {"large_2", Large, 2, "10000010", "01000001"},
    {"large_14", Large, 14, "10000010", "01000001"}, {"large_15", Large, 15, "10000010", "00000000"},
    // Each cell is tested on its own: a deeper or farther cell is dug behind a hole or an item.
    {"power_behind_holes", Power, 8, "00100000", "00010000", "111111010111111\n111111111111111"},
    {"long_behind_gold", Long, 8, "00001000", "00000100", "111111313111111\n111111111111111"},
    {"large_nothing_level", Large, 8, "10000000", "01000000", "111111111111111\n111111111111111"},
};
class Dig_Reach : public testing::TestWithParam<Mask_Row> {};
TEST_P(Dig_Reach, TakesTheSoilCellsTheShovelReaches)
{
    const Mask_Row& row = GetParam();
    for (int dir : {Facing_Left, Facing_Right}) {
        const std::string mask = dir == Facing_Right ? row.right : row.left;
        // Without deep rows soil lies all around, so only the shovel and the field's edge decide.
        const std::string below = row.deep ? "000000000000000\n" + std::string(row.deep) : All_Soil;
        Playing_At(row.x, dir, "000000000000000\n" + below);
        Map_Line[1][static_cast<size_t>(row.x - 1)] = Cell_Empty;
        Shovel_Type = row.shovel;
        const auto before = Map_Line;
        Scripted_Source random(Draws(std::count(mask.begin(), mask.end(), '1'), Low(50, 100)));
        Dig_Judge();
        EXPECT_EQ(Dig_Mask, mask) << "facing " << (dir == Facing_Right ? "right" : "left");
        EXPECT_EQ(Dig_Codes, "00000000");
        EXPECT_EQ(Map_Line, before);
    }
}
INSTANTIATE_TABLE(Rules, Dig_Reach, Mask_Rows);
}  // namespace
