// Digging: the judgement's mask and codes, the edges of the field, the animation, the map
// writes and the shovel's wear.
#include <cmath>

#include <gtest/gtest.h>

#include "core/module1.h"
#include "core/random_source.h"
#include "rules/actions.h"
#include "rules/cell_codes.h"
#include "rules/dig.h"
#include "rules/frames.h"
#include "support/map_text.h"
#include "support/recording_screen.h"
#include "support/scripted_source.h"

namespace {

const char* const Solid = R"(
000000000000000
000000000000000
111111111111111
111111111111111
)";

// Soil beside the digger in row 1 too, so every position of every shovel finds soil.
const char* const Walled = R"(
000000000000000
111111101111111
111111111111111
111111111111111
)";

// One dug position: its place on the canvas, whether its new tile goes through an AND, its code.
struct Dug { int x, y; bool anded; int code; };

Lines Dig_Frames(int dir, const std::vector<Dug>& dug)
{
    Lines lines = {"sound Dig"};
    for (int i = 0; i < 4; ++i) {
        lines.push_back(Digger(64 * dir + 16 * i, 16));
        for (const Dug& d : dug) {
            lines.push_back(Tile(d.x, d.y, 16 * d.code, 96, d.anded ? "and" : "copy"));
            lines.push_back(Tile(d.x, d.y, 16 * i, 80, "paint"));
        }
        lines = lines + Lines{"refresh_field", "wait 2"};
    }
    lines = lines + Standing(dir);
    for (const Dug& d : dug)
        lines.push_back(Tile(d.x, d.y, 16 * d.code, 96, "copy"));
    return lines;
}

class Dig : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        Game_Mode = 1;
        Key_State = "100";
        Life = 10;
        Digger_X = 8;
        Digger_Dir = 1;
    }
    Recording_Screen screen;
};

TEST_F(Dig, EachShovelHasItsPatternOnEachSide)
{
    struct Case { int shovel, dir; const char* mask; };
    const Case cases[] = {{0, 0, "10000000"}, {0, 1, "01000000"}, {2, 0, "10100000"},
                          {2, 1, "01010000"}, {3, 0, "10001000"}, {3, 1, "01000100"},
                          {4, 0, "10000010"}, {4, 1, "01000001"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        Set_Map(Walled);
        Shovel_Type = c.shovel;
        Digger_Dir = c.dir;
        Scripted_Source random;
        random.Repeat(c.shovel == 0 ? 1 : 2, 50, 100);
        Dig_Judge();
        EXPECT_EQ(Dig_Mask, c.mask);
        EXPECT_EQ(Dig_Codes, "00000000");
        EXPECT_EQ(Map_Text(), Full_Map(Walled));  // judging changes nothing
    }
}

TEST_F(Dig, CodesAreDrawnInPositionOrderWithTheShovelsSecondDrawRightAfterItsFirst)
{
    Set_Map(Walled);
    Shovel_Type = Shovel_Large;  // facing right: positions 2 and 8
    Scripted_Source random;
    random.Draw(1, 100).Draw(2, 3).Draw(0, 100);
    Dig_Judge();
    EXPECT_EQ(Dig_Mask, "01000001");
    EXPECT_EQ(Dig_Codes, "09000006");

    Shovel_Type = Shovel_Power;  // facing left: positions 1 and 3
    Digger_Dir = 0;
    random.Draw(12, 100).Draw(2, 100).Draw(0, 3);
    Dig_Judge();
    EXPECT_EQ(Dig_Mask, "10100000");
    EXPECT_EQ(Dig_Codes, "30700000");
}

TEST_F(Dig, EachDrawOfAHundredGivesItsCode)
{
    struct Case { int v; char code; };
    for (Case c : {Case{0, '6'}, Case{3, '2'}, Case{5, '2'}, Case{6, '4'}, Case{9, '4'},
                   Case{10, '3'}, Case{14, '3'}, Case{15, '5'}, Case{17, '5'}, Case{18, '0'},
                   Case{99, '0'}}) {
        Set_Map(Solid);
        Scripted_Source random;
        random.Draw(c.v, 100);
        Dig_Judge();
        EXPECT_EQ(Dig_Codes, std::string("0") + c.code + "000000") << c.v;
    }
    for (int second : {0, 1, 2}) {
        Scripted_Source random;
        random.Draw(1 + second % 2, 100).Draw(second, 3);
        Dig_Judge();
        EXPECT_EQ(Char_At(Dig_Codes, 2), '7' + second);
    }
}

TEST_F(Dig, InColumnOneFacingLeftNothingIsDugWhateverTheShovel)
{
    Set_Map(Walled);
    Map_Line[1] = "011111111111111";
    Digger_X = 1;
    Digger_Dir = 0;
    for (int shovel : {0, 2, 3, 4}) {
        Shovel_Type = shovel;
        Shovel_Uses = 5;
        Scripted_Source random;  // no draw may happen
        EXPECT_FALSE(Dig_Action(screen)) << shovel;
        EXPECT_EQ(Dig_Mask, "00000000");
        EXPECT_EQ(Dig_Codes, "00000000");
        EXPECT_EQ(Shovel_Uses, 5);
    }
    EXPECT_TRUE(screen.calls.empty());
}

TEST_F(Dig, InColumnFifteenFacingRightNothingIsDugWhateverTheShovel)
{
    Set_Map(Walled);
    Map_Line[1] = "111111111111110";
    Digger_X = 15;
    for (int shovel : {0, 2, 3, 4}) {
        Shovel_Type = shovel;
        Shovel_Uses = 5;
        Scripted_Source random;
        EXPECT_FALSE(Dig_Action(screen)) << shovel;
        EXPECT_EQ(Dig_Mask, "00000000");
        EXPECT_EQ(Shovel_Uses, 5);
    }
    EXPECT_TRUE(screen.calls.empty());
}

TEST_F(Dig, InColumnTwoFacingLeftTheLongShovelDigsOnlyBesideIt)
{
    Set_Map(Solid);
    Digger_X = 2;
    Digger_Dir = 0;
    Shovel_Type = Shovel_Long;
    Shovel_Uses = 4;
    Scripted_Source random;
    random.Draw(6, 100);  // life item
    EXPECT_TRUE(Dig_Action(screen));
    EXPECT_EQ(Dig_Mask, "10000000");
    EXPECT_EQ(screen.calls, Dig_Frames(0, {{0, 32, true, 4}}) + Lines{"states"});
    EXPECT_EQ(Map_Line[2], "411111111111111");
    EXPECT_EQ(Shovel_Uses, 3);
    EXPECT_EQ(Shovel_Type, Shovel_Long);
}

TEST_F(Dig, InColumnFourteenFacingRightTheLongShovelDigsOnlyBesideIt)
{
    Set_Map(Solid);
    Digger_X = 14;
    Shovel_Type = Shovel_Long;
    Shovel_Uses = 4;
    Scripted_Source random;
    random.Draw(50, 100);
    Dig_Judge();
    EXPECT_EQ(Dig_Mask, "01000000");
}

TEST_F(Dig, ThePowerShovelDigsTheDeeperCellWhenTheNearerOneIsNoSoil)
{
    Set_Map(R"(
000000000000000
000000000000000
111111011111111
111111111111111
)");
    Digger_Dir = 0;
    Shovel_Type = Shovel_Power;
    Shovel_Uses = 9;
    Scripted_Source random;
    random.Draw(12, 100);  // gold
    EXPECT_TRUE(Dig_Action(screen));
    EXPECT_EQ(Dig_Mask, "00100000");
    // Position 3 is drawn by plain copy: only position 1 crumbles through an AND.
    EXPECT_EQ(screen.calls, Dig_Frames(0, {{96, 48, false, 3}}) + Lines{"states"});
    EXPECT_EQ(Map_Line[2], "111111011111111");
    EXPECT_EQ(Map_Line[3], "111111311111111");
    EXPECT_EQ(Shovel_Uses, 8);
}

TEST_F(Dig, TheNormalShovelAnimatesFourFramesThenWritesTheMapWithoutWear)
{
    Set_Map(Solid);
    Digger_Dir = 0;  // position 1, drawn through an AND while it crumbles
    Scripted_Source random;
    random.Draw(12, 100);
    EXPECT_TRUE(Dig_Action(screen));
    EXPECT_EQ(screen.calls, Dig_Frames(0, {{96, 32, true, 3}}));
    EXPECT_EQ(Map_Line[2], "111111311111111");
    EXPECT_EQ(Shovel_Type, Shovel_Normal);
    EXPECT_EQ(Shovel_Uses, 0);
}

TEST_F(Dig, EveryDugPositionIsDrawnInEachFrameInPositionOrder)
{
    Set_Map(Walled);
    Shovel_Type = Shovel_Large;
    Shovel_Uses = 20;
    Digger_Dir = 0;  // positions 1 and 7
    Scripted_Source random;
    random.Draw(50, 100).Draw(3, 100);
    EXPECT_TRUE(Dig_Action(screen));
    EXPECT_EQ(screen.calls, Dig_Frames(0, {{96, 32, true, 0}, {96, 16, false, 2}}) + Lines{"states"});
    EXPECT_EQ(Map_Line[1], "111111201111111");
    EXPECT_EQ(Map_Line[2], "111111011111111");
    EXPECT_EQ(Shovel_Uses, 19);
}

TEST_F(Dig, ASpecialShovelThatFindsNoSoilIsNotWorn)
{
    Set_Map("000000000000000\n");
    for (int shovel : {2, 3, 4}) {
        Shovel_Type = shovel;
        Shovel_Uses = 3;
        Scripted_Source random;
        EXPECT_FALSE(Dig_Action(screen));
        EXPECT_EQ(Shovel_Uses, 3);
        EXPECT_EQ(Shovel_Type, shovel);
    }
    EXPECT_TRUE(screen.calls.empty());
}

TEST_F(Dig, TheLastUseReturnsToTheNormalShovel)
{
    Set_Map(Solid);
    Shovel_Type = Shovel_Large;
    Shovel_Uses = 1;
    Scripted_Source random;
    random.Draw(50, 100);  // position 8 finds no soil beside the digger: only position 2
    EXPECT_TRUE(Dig_Action(screen));
    EXPECT_EQ(screen.calls, Dig_Frames(1, {{128, 32, false, 0}}) + Lines{"states"});
    EXPECT_EQ(Shovel_Uses, 0);
    EXPECT_EQ(Shovel_Type, Shovel_Normal);

    // The next dig is the normal one: no wear, no status refresh.
    screen.Clear();
    Digger_Dir = 0;
    random.Draw(50, 100);
    EXPECT_TRUE(Dig_Action(screen));
    EXPECT_EQ(Dig_Mask, "10000000");
    EXPECT_FALSE(screen.Contains("states"));
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
    // Five standard errors at 200 000 cells: about ±0.0043 for the empty share, ±0.0019 for a
    // share of 3 in 100.
    auto expect_share = [&](int code, double share) {
        const double tolerance = 5 * std::sqrt(share * (1 - share) / digs);
        EXPECT_NEAR(codes[code] / double(digs), share, tolerance) << "code " << code;
    };
    expect_share(0, 0.82);
    expect_share(6, 0.01);
    expect_share(2, 0.03);
    expect_share(4, 0.04);
    expect_share(3, 0.05);
    expect_share(5, 0.03);
    for (int shovel : {7, 8, 9})
        expect_share(shovel, 0.02 / 3);
    EXPECT_EQ(codes[1], 0);
}

}  // namespace
