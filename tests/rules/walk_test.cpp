// Walking and turning: which key counts, the frames and slots of a step, what blocks it.
#include <gtest/gtest.h>

#include "core/module1.h"
#include "rules/actions.h"
#include "rules/frames.h"
#include "support/map_text.h"
#include "support/recording_screen.h"
#include "support/scripted_source.h"

namespace {

const char* const Flat = R"(
000000000000000
000000000000000
111111111111111
111111111111111
)";

class Walk : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        Game_Mode = 1;
        Life = 10;
        Digger_X = 5;
        Digger_Dir = 1;
        Key_State = "000";
    }

    bool press(const char* keys)
    {
        Key_State = keys;
        return Walk_Action(screen);
    }

    Recording_Screen screen;
};

TEST_F(Walk, ATurnOnlyFacesTheOtherWayWithOneFrameAndSlotOne)
{
    Set_Map(Flat);
    EXPECT_TRUE(press("010"));
    EXPECT_EQ(screen.calls, (Lines{"digger 48,0", "wait 1"}));
    EXPECT_EQ(Digger_Dir, 0);
    EXPECT_EQ(Digger_X, 5);
    screen.Clear();
    EXPECT_TRUE(press("001"));
    EXPECT_EQ(screen.calls, (Lines{"digger 112,0", "wait 1"}));
    EXPECT_EQ(Digger_Dir, 1);
    EXPECT_EQ(Digger_X, 5);
    EXPECT_EQ(Map_Text(), Full_Map(Flat));
}

TEST_F(Walk, AStepOntoSoilWalksFourPixelsAFrameWithSlotZero)
{
    Set_Map(Flat);
    EXPECT_TRUE(press("001"));
    EXPECT_EQ(screen.calls, Step_Frames(5, 1, false) + Cleared(6) + Standing(1));
    EXPECT_EQ(Digger_X, 6);
    screen.Clear();
    Digger_Dir = 0;
    EXPECT_TRUE(press("010"));
    EXPECT_EQ(screen.calls, Step_Frames(6, 0, false) + Cleared(5) + Standing(0));
    EXPECT_EQ(Digger_X, 5);
    EXPECT_EQ(Score_Table[3].Score, 0);
}

TEST_F(Walk, AStepOverAHoleUsesTheSteppingOffFramesWithSlotThreeThenFalls)
{
    Set_Map(R"(
000000000000000
000000000000000
110011111111111
111111111111111
)");
    Digger_Dir = 0;
    Scripted_Source random;
    random.Plain_Bottom_Row();
    EXPECT_TRUE(press("010"));
    EXPECT_EQ(screen.calls, Step_Frames(5, 0, true) + Cleared(4) + Fall_Frames(0) + Cleared(4)
                                + Landing_Frames(0) + Lines{"states"});
    EXPECT_EQ(Digger_X, 4);
    EXPECT_EQ(Score_Table[3].Score, 1);
}

TEST_F(Walk, BothArrowsHeldWalkLeft)
{
    Set_Map(Flat);
    Digger_Dir = 0;
    EXPECT_TRUE(press("011"));
    EXPECT_EQ(screen.calls, Step_Frames(5, 0, false) + Cleared(4) + Standing(0));
    EXPECT_EQ(Digger_X, 4);
    screen.Clear();
    Digger_Dir = 1;
    EXPECT_TRUE(press("011"));  // facing right: both held turns it left
    EXPECT_EQ(screen.calls, (Lines{"digger 48,0", "wait 1"}));
}

TEST_F(Walk, ItemsAreNoObstacle)
{
    Set_Map(R"(
000000000000000
000002500000000
111111111111111
)");
    EXPECT_TRUE(press("001"));
    EXPECT_TRUE(press("001"));
    EXPECT_EQ(screen.calls, Step_Frames(5, 1, false) + Lines{"sound Dam"} + Cleared(6) + Standing(1)
                                + Step_Frames(6, 1, false) + Lines{"sound Stone"} + Cleared(7)
                                + Standing(1));
    EXPECT_EQ(Digger_X, 7);
    EXPECT_EQ(Life, 9);
}

TEST_F(Walk, ABlockedStepNeitherMovesWaitsNorHandlesEvents)
{
    Set_Map(R"(
000000000000000
000011000000000
111111111111111
)");
    Scripted_Source random;  // nothing may be drawn
    Digger_X = 15;
    EXPECT_FALSE(press("001"));  // the field's edge
    EXPECT_EQ(Digger_X, 15);
    Digger_X = 4;
    EXPECT_FALSE(press("001"));  // soil in the way
    EXPECT_EQ(Digger_X, 4);
    Digger_X = 7;
    Digger_Dir = 0;
    EXPECT_FALSE(press("010"));
    EXPECT_EQ(Digger_X, 7);
    Digger_X = 1;
    EXPECT_FALSE(press("010"));
    EXPECT_EQ(Digger_X, 1);
    EXPECT_TRUE(screen.calls.empty());
    EXPECT_EQ(Life, 10);
}

TEST_F(Walk, NoArrowHeldDoesNothing)
{
    Set_Map(Flat);
    EXPECT_FALSE(press("000"));
    EXPECT_FALSE(press("100"));  // the dig key is not the walk's business
    EXPECT_TRUE(screen.calls.empty());
    EXPECT_EQ(Digger_X, 5);
    EXPECT_EQ(Digger_Dir, 1);
}

TEST_F(Walk, ASidewaysStepBesideSoilNeverLandsNorSqueezes)
{
    // Soil under the target and on its far side: without a fall in the same call there is no
    // landing, so no landing frames and no pinch judgement.
    Set_Map(R"(
000000000000000
000000001000000
111111111111111
)");
    Digger_X = 7;
    EXPECT_TRUE(press("001"));
    EXPECT_EQ(screen.calls, Step_Frames(7, 1, false) + Cleared(8) + Standing(1));
    EXPECT_EQ(Life, 10);
    EXPECT_EQ(Map_Line[1], "000000001000000");
}

}  // namespace
