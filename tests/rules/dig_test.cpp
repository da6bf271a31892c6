// Digging: the judgement's mask and codes, the edges of the field, the animation and the wear.
#include <gtest/gtest.h>

#include "core/module1.h"
#include "core/random_source.h"
#include "rules/actions.h"
#include "rules/dig.h"
#include "support/call_log.h"
#include "support/map_text.h"
#include "support/scripted_random.h"

namespace {

using Calls = std::vector<std::string>;

class Dig : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        Set_Map({"000000000000000",
                 "111100000001111",
                 "111111111111111",
                 "111111111111111"});
        Digger_X = 6;
        Digger_Dir = 1;
        Life = 10;
        Game_Mode = 1;
    }
    Call_Log screen;
};

TEST_F(Dig, NormalShovelDigsDiagonallyBelowOnTheFacedSide)
{
    Scripted_Random random;
    random.Draw(50, 100);
    Dig_Judge();
    EXPECT_EQ(Dig_Mask, "01000000");
    EXPECT_EQ(Dig_Codes, "00000000");
    Digger_Dir = 0;
    random.Draw(10, 100);
    Dig_Judge();
    EXPECT_EQ(Dig_Mask, "10000000");
    EXPECT_EQ(Dig_Codes, "30000000");
}

TEST_F(Dig, CodesAreDrawnInPositionOrderWithTheShovelsSecondDraw)
{
    Shovel_Type = 4;  // large: positions 2 and 8 when facing right
    Set_Map({"000000000000000", "000000100000000", "111111111111111", "111111111111111"});
    Digger_X = 6;
    Scripted_Random random;
    random.Draw(1, 100).Draw(2, 3).Draw(0, 100);
    Dig_Judge();
    EXPECT_EQ(Dig_Mask, "01000001");
    EXPECT_EQ(Dig_Codes, "09000006");
    EXPECT_EQ(random.left(), 0);
}

TEST_F(Dig, EachDrawOfAHundredGivesItsItem)
{
    struct Case { int v; char code; };
    for (Case c : {Case{0, '6'}, Case{3, '2'}, Case{5, '2'}, Case{6, '4'}, Case{9, '4'}, Case{10, '3'},
                   Case{14, '3'}, Case{15, '5'}, Case{17, '5'}, Case{18, '0'}, Case{99, '0'}}) {
        Scripted_Random random;
        random.Draw(c.v, 100);
        Dig_Judge();
        EXPECT_EQ(Char_At(Dig_Codes, 2), c.code) << c.v;
    }
}

TEST_F(Dig, EdgesOfTheField)
{
    Set_Map({"000000000000000", "000000000000000", "111111111111111", "111111111111111"});
    Digger_X = 1;
    Digger_Dir = 0;
    for (int shovel : {0, 2, 3, 4}) {
        Shovel_Type = shovel;
        Dig_Judge();
        EXPECT_EQ(Dig_Mask, "00000000") << shovel;
    }
    Digger_X = 15;
    Digger_Dir = 1;
    for (int shovel : {0, 2, 3, 4}) {
        Shovel_Type = shovel;
        Dig_Judge();
        EXPECT_EQ(Dig_Mask, "00000000") << shovel;
    }
    Scripted_Random random;
    random.Draw(50, 100);
    Digger_X = 2;
    Digger_Dir = 0;
    Shovel_Type = 3;
    Dig_Judge();
    EXPECT_EQ(Dig_Mask, "10000000");
    random.Draw(50, 100);
    Digger_X = 14;
    Digger_Dir = 1;
    Dig_Judge();
    EXPECT_EQ(Dig_Mask, "01000000");
}

TEST_F(Dig, PowerShovelDigsOnlyWhereThereIsSoil)
{
    Set_Map({"000000000000000", "000000000000000", "111110111111111", "111111111111111"});
    Digger_X = 5;
    Digger_Dir = 1;
    Shovel_Type = 2;
    Scripted_Random random;
    random.Draw(50, 100);
    Dig_Judge();
    EXPECT_EQ(Dig_Mask, "00010000");
}

TEST_F(Dig, TheActionPlaysFourFramesThenWritesTheMap)
{
    Digger_Dir = 0;  // position 1 at column 5, drawn with SRCAND while it crumbles
    Scripted_Random random;
    random.Draw(12, 100);  // gold
    EXPECT_TRUE(Dig_Action(screen));
    Calls expected = {"sound Dig"};
    for (int i = 0; i < 4; ++i) {
        expected.push_back("digger " + std::to_string(16 * i) + ",16");
        expected.push_back("tile 64,32 48,96 and");
        expected.push_back("tile 64,32 " + std::to_string(16 * i) + ",80 paint");
        expected.push_back("refresh_field");
        expected.push_back("wait 2");
    }
    expected.push_back("digger 48,0");
    expected.push_back("tile 64,32 48,96 copy");
    EXPECT_EQ(screen.calls, expected);
    EXPECT_EQ(Map_Line[2], "111131111111111");
}

TEST_F(Dig, OtherPositionsAreCopiedNotAnded)
{
    Shovel_Type = 3;  // long, facing right: positions 2 and 6
    Shovel_Uses = 5;
    Scripted_Random random;
    random.Draw(50, 100).Draw(50, 100);
    EXPECT_TRUE(Dig_Action(screen));
    EXPECT_TRUE(screen.contains("tile 96,32 0,96 copy"));
    EXPECT_TRUE(screen.contains("tile 112,32 0,96 copy"));
    EXPECT_FALSE(screen.contains("tile 96,32 0,96 and"));
    EXPECT_EQ(Map_Line[2], "111111001111111");
    EXPECT_EQ(Shovel_Uses, 4);
    EXPECT_EQ(screen.calls.back(), "states");
}

TEST_F(Dig, NothingToDigMeansNoSoundNoFrameAndNoWear)
{
    Set_Map({"000000000000000", "000000000000000", "000000000000000", "000000000000000"});
    Shovel_Type = 2;
    Shovel_Uses = 3;
    EXPECT_FALSE(Dig_Action(screen));
    EXPECT_TRUE(screen.calls.empty());
    EXPECT_EQ(Shovel_Uses, 3);
    EXPECT_EQ(Shovel_Type, 2);
}

TEST_F(Dig, NormalShovelWearsNothingAndRefreshesNothing)
{
    Scripted_Random random;
    random.Draw(50, 100);
    Dig_Action(screen);
    EXPECT_FALSE(screen.contains("states"));
    EXPECT_EQ(Shovel_Type, 0);
}

TEST_F(Dig, TheLastUseReturnsToTheNormalShovel)
{
    Shovel_Type = 4;
    Shovel_Uses = 1;
    Scripted_Random random;
    random.Draw(50, 100);  // position 8 finds no soil beside the digger
    Dig_Action(screen);
    EXPECT_EQ(Shovel_Uses, 0);
    EXPECT_EQ(Shovel_Type, 0);
    EXPECT_EQ(screen.calls.back(), "states");
}

TEST_F(Dig, EighteenOfAHundredDugCellsHoldAnItem)
{
    Seed_Random(4242);
    const int digs = 200000;
    int codes[10] = {};
    for (int i = 0; i < digs; ++i) {
        Map_Line[2] = "111111111111111";
        Dig_Judge();
        ++codes[Char_At(Dig_Codes, 2) - '0'];
    }
    auto share = [&](int code) { return codes[code] / double(digs); };
    EXPECT_NEAR(share(0), 0.82, 0.005);
    EXPECT_NEAR(share(6), 0.01, 0.001);
    EXPECT_NEAR(share(2), 0.03, 0.0015);
    EXPECT_NEAR(share(4), 0.04, 0.0015);
    EXPECT_NEAR(share(3), 0.05, 0.0015);
    EXPECT_NEAR(share(5), 0.03, 0.0015);
    for (int shovel : {7, 8, 9})
        EXPECT_NEAR(share(shovel), 0.02 / 3, 0.001) << shovel;
}

}  // namespace
