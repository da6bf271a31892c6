// The stage map: New_Game, both row generators with their exact draws, the scroll.
#include <gtest/gtest.h>

#include "core/module1.h"
#include "core/random_source.h"
#include "rules/actions.h"
#include "rules/stage_map.h"
#include "support/call_log.h"
#include "support/scripted_random.h"

namespace {

class Stage_Map : public ::testing::Test {
protected:
    void SetUp() override { Reset_Module1(); }
};

TEST_F(Stage_Map, InitialRowMapsEachDrawOfThirtyToItsCode)
{
    Scripted_Random random;
    for (int v : {0, 14, 15, 16, 17, 18, 19, 20, 21, 29, 3, 25, 15, 19, 20})
        random.Draw(v, 30);
    random.Draw(1, 50);  // no end-of-row item
    EXPECT_EQ(Initial_Row(), "112233450010245");
    EXPECT_EQ(random.left(), 0);
}

TEST_F(Stage_Map, InitialRowEndOfRowItemDrawsCodeThenColumn)
{
    Scripted_Random random;
    random.Repeat(15, 0, 30).Draw(0, 50).Draw(3, 4).Draw(14, 15);
    EXPECT_EQ(Initial_Row(), "111111111111119");
    random.Repeat(15, 25, 30).Draw(0, 50).Draw(0, 4).Draw(0, 15);
    EXPECT_EQ(Initial_Row(), "600000000000000");
}

TEST_F(Stage_Map, BottomRowSwapsSoilAndEmptyAndDrawsShovelThenSpecial)
{
    Scripted_Random random;
    for (int v : {0, 14, 15, 16, 17, 18, 19, 20, 21, 39, 3, 25, 15, 19, 20})
        random.Draw(v, 40);
    random.Draw(1, 50).Draw(1, 100);
    EXPECT_EQ(Bottom_Row(), "002233451101245");

    random.Repeat(15, 30, 40).Draw(0, 50).Draw(2, 3).Draw(4, 15).Draw(0, 100).Draw(9, 15);
    EXPECT_EQ(Bottom_Row(), "111191111611111");
    EXPECT_EQ(random.left(), 0);
}

TEST_F(Stage_Map, TheSpecialMayOverwriteTheShovelItem)
{
    Scripted_Random random;
    random.Repeat(15, 0, 40).Draw(0, 50).Draw(0, 3).Draw(7, 15).Draw(0, 100).Draw(7, 15);
    EXPECT_EQ(Bottom_Row(), "000000060000000");
}

TEST_F(Stage_Map, NewGameResetsTheGameAndPlacesTheDiggerAboveTheField)
{
    Call_Log screen;
    Key_State = "111";
    Digger_X = 9;
    Digger_Dir = 0;
    Life = 3;
    Shovel_Type = 2;
    Shovel_Uses = 5;
    Score_Table[3].Score = 77;
    Seed_Random(5);
    New_Game(screen);
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"field_top 0", "move 0,-16", "digger 112,32"}));
    EXPECT_EQ(Key_State, "000");
    EXPECT_EQ(Digger_X, 1);
    EXPECT_EQ(Digger_Dir, 1);
    EXPECT_EQ(Map_Line[0], "000000000000000");
    EXPECT_EQ(Map_Line[1], "000000000000000");
    EXPECT_EQ(Map_Line[2], "111111111111111");
    for (size_t r = 3; r < 16; ++r)
        EXPECT_EQ(Map_Line[r].size(), 15u);
    EXPECT_EQ(Score_Table[3].Score, 0);
    EXPECT_EQ(Life, 10);
    EXPECT_EQ(Shovel_Type, 0);
    EXPECT_EQ(Shovel_Uses, 0);
}

TEST_F(Stage_Map, ScrollMovesEveryRowUpAndAddsAFreshBottomRow)
{
    for (size_t r = 0; r < 16; ++r)
        Map_Line[r] = std::string(15, static_cast<char>('0' + r % 10));
    Scripted_Random random;
    random.Repeat(15, 30, 40).Draw(1, 50).Draw(1, 100);
    Scroll_Map();
    EXPECT_EQ(Map_Line[0], std::string(15, '1'));
    EXPECT_EQ(Map_Line[14], std::string(15, '5'));
    EXPECT_EQ(Map_Line[15], std::string(15, '1'));
}

// The shares of a first map's cells and of new bottom rows over many seeded rows.
TEST_F(Stage_Map, GeneratedRowsHaveTheTabledShares)
{
    Seed_Random(20261207);
    const int rows = 20000;
    int initial[10] = {};
    int bottom[10] = {};
    int special_rows = 0;
    for (int i = 0; i < rows; ++i) {
        for (char c : Initial_Row())
            ++initial[c - '0'];
        const std::string row = Bottom_Row();
        for (char c : row)
            ++bottom[c - '0'];
        special_rows += row.find('6') != std::string::npos;
    }
    const double cells = 15.0 * rows;
    // ±3 % of each share is many standard deviations at 300 000 cells.
    auto near = [&](int count, double share) { return std::abs(count / cells - share) < 0.03 * share + 0.0005; };
    EXPECT_TRUE(near(initial[1], 15.0 / 30)) << initial[1];
    EXPECT_TRUE(near(initial[0], 9.0 / 30)) << initial[0];
    EXPECT_TRUE(near(initial[2], 2.0 / 30)) << initial[2];
    EXPECT_TRUE(near(initial[4], 1.0 / 30)) << initial[4];
    EXPECT_TRUE(near(bottom[0], 15.0 / 40)) << bottom[0];
    EXPECT_TRUE(near(bottom[1], 19.0 / 40)) << bottom[1];
    EXPECT_TRUE(near(bottom[3], 2.0 / 40)) << bottom[3];
    EXPECT_TRUE(near(bottom[5], 1.0 / 40)) << bottom[5];
    EXPECT_NEAR(special_rows / double(rows), 0.01, 0.003);
    EXPECT_NEAR((bottom[7] + bottom[8] + bottom[9]) / double(rows), 0.02, 0.004);
}

}  // namespace
