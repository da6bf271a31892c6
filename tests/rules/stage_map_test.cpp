// The stage map: both row generators draw by draw, and the one-row scroll.
#include <gtest/gtest.h>

#include "rules/stage_map.h"
#include "core/module1.h"
#include "support/scripted_source.h"
#include "support/table.h"

// A column at each end of every range of a column's draw, then three inside.
Draws Column_Edges(int n)
{
    return {Low(0, n), High(14, n), Low(15, n), High(16, n), Low(17, n), High(18, n), Low(19, n), High(19, n),
            Low(20, n), High(20, n), Low(21, n), High(n - 1, n), Low(7, n), Low(n - 5, n), High(16, n)};
}

struct Row_Case { const char* name; bool bottom; Draws u; const char* row; };
void PrintTo(const Row_Case& r, std::ostream* os) { *os << r.name; }

// In the last two rows of each generator u 0.9 then 0.1 tell the item's code and column apart.
const Row_Case Row_Cases[] = {
    {"initial_column_ranges", false, Column_Edges(30) + Draws{Low(1, 50)}, "112233445500102"},
    {"initial_last_item_last_column", false, Columns(Low(0, 30)) + Draws{High(0, 50), High(3, 4), High(14, 15)},
     "111111111111119"},
    {"initial_first_item_first_column", false, Columns(Low(25, 30)) + Draws{Low(0, 50), Low(0, 4), Low(0, 15)},
     "600000000000000"},
    {"initial_item_code_then_column", false, Columns(Low(0, 30)) + Draws{Low(0, 50), 0.9, 0.1}, "191111111111111"},
    {"bottom_column_ranges", true, Column_Edges(40) + Draws{Low(1, 50), Low(1, 100)}, "002233445511012"},
    {"bottom_shovel_and_special", true,
     Columns(Low(0, 40)) + Draws{High(0, 50), Low(0, 3), Low(0, 15), Low(0, 100), High(14, 15)}, "700000000000006"},
    {"bottom_last_shovel_last_column", true,
     Columns(High(39, 40)) + Draws{Low(0, 50), High(2, 3), High(14, 15), High(1, 100)}, "111111111111119"},
    {"bottom_special_alone", true, Columns(Low(30, 40)) + Draws{Low(1, 50), High(0, 100), Low(7, 15)},
     "111111161111111"},
    {"bottom_special_over_the_shovel", true,
     Columns(Low(0, 40)) + Draws{Low(0, 50), Low(1, 3), Low(7, 15), Low(0, 100), High(7, 15)}, "000000060000000"},
    {"bottom_shovel_code_then_column", true, Columns(Low(0, 40)) + Draws{Low(0, 50), 0.9, 0.1, Low(1, 100)},
     "090000000000000"},
};

class Generated_Row : public testing::TestWithParam<Row_Case> {};

TEST_P(Generated_Row, FollowsItsDraws)
{
    Scripted_Source random(GetParam().u);
    EXPECT_EQ(GetParam().bottom ? Bottom_Row() : Initial_Row(), GetParam().row);
}
INSTANTIATE_TEST_SUITE_P(Rules, Generated_Row, testing::ValuesIn(Row_Cases), Row_Name<Row_Case>);

TEST(Rules_Stage_Map, ScrollDropsTheTopRowAndAddsAFreshBottomRow)
{
    for (size_t r = 0; r < Map_Line.size(); ++r)
        Map_Line[r] = std::string(15, static_cast<char>('a' + r));
    Scripted_Source random(Soil_Bottom_Row());
    Scroll_Map();
    std::string firsts;
    for (const std::string& row : Map_Line)
        firsts += row.substr(0, 1);
    EXPECT_EQ(firsts, "bcdefghijklmnop1");
}
