// Digging: the cells each shovel reaches by facing and column.
#include <algorithm>

#include <gtest/gtest.h>

#include "rules/dig.h"
#include "support/map_text.h"
#include "support/scripted_source.h"
#include "support/table.h"

// Soil all around the digger in column x, so only the shovel and the field's edge decide.
std::string Soil_Around(int x)
{
    std::string row1(15, '1');
    row1[static_cast<size_t>(x - 1)] = '0';
    return "000000000000000\n" + row1 + "\n111111111111111\n111111111111111";
}

// Dig_Mask facing left and facing right; rows 2 and 3 under an open row 1 where not soil all around.
struct Mask_Row { const char* name; int shovel, x; const char* left; const char* right; const char* deep = nullptr; };
void PrintTo(const Mask_Row& r, std::ostream* os) { *os << r.name; }

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
        Playing_At(row.x, dir, row.deep ? std::string("000000000000000\n000000000000000\n") + row.deep : Soil_Around(row.x));
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
