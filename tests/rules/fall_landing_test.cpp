// Falling row by row, the landing, the pinch judgement beside the digger and the squeeze.
#include <gtest/gtest.h>

#include "core/module1.h"
#include "rules/cell_codes.h"
#include "rules/events.h"
#include "rules/frames.h"
#include "support/map_text.h"
#include "support/recording_screen.h"
#include "support/scripted_source.h"

namespace {

class Fall_And_Landing : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        Game_Mode = 1;
        Life = 10;
        Digger_Dir = 1;
        Key_State = "000";
    }

    // The digger in column x over a hole falls one row into row 1 of the given soil row
    // (its own cell empty), onto a full row of soil.
    void fall_into(int x, const std::string& landing_row)
    {
        Set_Map("000000000000000\n000000000000000\n" + landing_row + "\n111111111111111\n");
        Set_Char(Map_Line[2], x, Cell_Empty);
        Digger_X = x;
        Scripted_Source random;
        random.Plain_Bottom_Row();
        Sequence sequence(screen);
        Move_Ivents(sequence);
    }

    Lines fall_and_land(int x)
    {
        return Cleared(x) + Fall_Frames(Digger_Dir) + Cleared(x) + Landing_Frames(Digger_Dir);
    }

    Recording_Screen screen;
};

TEST_F(Fall_And_Landing, AFallOfThreeRowsScrollsThreeTimesAndScoresThree)
{
    Set_Map(R"(
000000000000000
000000000000000
111110111111111
111110111111111
111110111111111
111111111111111
)");
    Digger_X = 6;
    Digger_Dir = 0;
    Score_Table[3].Score = 7;
    Scripted_Source random;
    random.Repeat(15, 0, 40).Draw(1, 50).Draw(1, 100);                          // empty row
    random.Repeat(15, 17, 40).Draw(1, 50).Draw(1, 100);                         // gold row
    random.Repeat(15, 30, 40).Draw(0, 50).Draw(2, 3).Draw(0, 15).Draw(1, 100);  // soil, "9" first
    Sequence sequence(screen);
    Move_Ivents(sequence);
    Lines expected = Cleared(6);
    for (int row = 0; row < 3; ++row)
        expected = expected + Fall_Frames(0) + Cleared(6);
    EXPECT_EQ(screen.calls, expected + Landing_Frames(0) + Squeeze_Frames(0, {5, 7}) + Lines{"states"});
    EXPECT_EQ(Score_Table[3].Score, 10);
    EXPECT_EQ(Map_Text(), Full_Map(R"(
111110111111111
111100011111111
111111111111111
000000000000000
000000000000000
000000000000000
000000000000000
000000000000000
000000000000000
000000000000000
000000000000000
000000000000000
000000000000000
000000000000000
333333333333333
911111111111111
)"));
    EXPECT_EQ(Life, 9);
}

TEST_F(Fall_And_Landing, InColumnOneOneSoilNeighbourSqueezesFromTheRight)
{
    fall_into(1, "011111111111111");
    EXPECT_EQ(screen.calls, fall_and_land(1) + Squeeze_Frames(1, {2}) + Lines{"states"});
    EXPECT_EQ(Map_Line[1], "001111111111111");
    EXPECT_EQ(Life, 9);
}

TEST_F(Fall_And_Landing, InColumnFifteenOneSoilNeighbourSqueezesFromTheLeft)
{
    Digger_Dir = 0;
    fall_into(15, "111111111111110");
    EXPECT_EQ(screen.calls, fall_and_land(15) + Squeeze_Frames(0, {14}) + Lines{"states"});
    EXPECT_EQ(Map_Line[1], "111111111111100");
    EXPECT_EQ(Life, 9);
}

TEST_F(Fall_And_Landing, AtTheEdgesWithoutSoilBesideThereIsNoSqueeze)
{
    fall_into(1, "000000000000000");
    EXPECT_EQ(screen.calls, fall_and_land(1) + Lines{"states"});
    screen.Clear();
    fall_into(15, "111111111111100");
    EXPECT_EQ(screen.calls, fall_and_land(15) + Lines{"states"});
    EXPECT_EQ(Map_Line[1], "111111111111100");
    EXPECT_EQ(Life, 10);
}

TEST_F(Fall_And_Landing, InColumnEightSoilOnOneSideOnlyDoesNotSqueeze)
{
    fall_into(8, "000000001000000");  // soil right of the digger only
    EXPECT_EQ(screen.calls, fall_and_land(8) + Lines{"states"});
    EXPECT_EQ(Map_Line[1], "000000001000000");
    screen.Clear();
    fall_into(8, "111111100000000");  // soil left of it only
    EXPECT_EQ(screen.calls, fall_and_land(8) + Lines{"states"});
    EXPECT_EQ(Life, 10);
}

TEST_F(Fall_And_Landing, InColumnEightSoilOnBothSidesSqueezesLeftCellFirstForOneLife)
{
    Digger_Dir = 0;
    fall_into(8, "000000111000000");
    EXPECT_EQ(screen.calls, fall_and_land(8) + Squeeze_Frames(0, {7, 9}) + Lines{"states"});
    EXPECT_EQ(Map_Line[1], "000000000000000");
    EXPECT_EQ(Life, 9);
}

TEST_F(Fall_And_Landing, TheLargeShovelIsNeverSqueezed)
{
    Shovel_Type = Shovel_Large;
    Shovel_Uses = 5;
    fall_into(8, "000000111000000");
    EXPECT_EQ(screen.calls, fall_and_land(8) + Lines{"states"});
    EXPECT_EQ(Map_Line[1], "000000101000000");
    screen.Clear();
    fall_into(1, "011111111111111");
    EXPECT_EQ(screen.calls, fall_and_land(1) + Lines{"states"});
    EXPECT_EQ(Life, 10);
    EXPECT_EQ(Shovel_Uses, 5);
}

TEST_F(Fall_And_Landing, ASqueezeAtLifeOneEndsTheGame)
{
    Life = 1;
    fall_into(15, "111111111111110");
    EXPECT_EQ(screen.calls, (fall_and_land(15) + Squeeze_Frames(1, {14}) + Lines{"states", "game_over"}));
    EXPECT_EQ(Life, 0);
}

TEST_F(Fall_And_Landing, NoFallMeansNoLandingEvenInASlot)
{
    // Standing between soil: the pinch is only judged after a fall in the same call.
    Set_Map(R"(
000000000000000
000000101000000
111111111111111
)");
    Digger_X = 8;
    Sequence sequence(screen);
    Move_Ivents(sequence);
    EXPECT_EQ(screen.calls, Cleared(8) + Standing(1));
    EXPECT_EQ(Life, 10);
}

}  // namespace
