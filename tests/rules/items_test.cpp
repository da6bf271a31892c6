// The items the digger meets, walking in or falling through, and the special item's six
// transformations of the whole map.
#include <gtest/gtest.h>

#include "core/module1.h"
#include "rules/actions.h"
#include "rules/cell_codes.h"
#include "rules/events.h"
#include "rules/frames.h"
#include "support/map_text.h"
#include "support/recording_screen.h"
#include "support/scripted_source.h"

namespace {

class Items : public ::testing::Test {
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

    bool walk_right()
    {
        Key_State = "001";
        return Walk_Action(screen);
    }

    // Move_Ivents for the digger where it stands, as right after a step.
    void arrive()
    {
        Sequence sequence(screen);
        Move_Ivents(sequence);
    }

    Recording_Screen screen;
};

TEST_F(Items, ThreeGoldsInOneFallAddThirtyPlusOnePerRow)
{
    Set_Map(R"(
000000000000000
000003000000000
111113111111111
000003000000000
111111111111111
)");
    Scripted_Source random;
    random.Plain_Bottom_Rows(2);
    EXPECT_TRUE(walk_right());
    const Lines gold = {"sound Gold"};
    EXPECT_EQ(screen.calls, Step_Frames(5, 1, true) + gold + Cleared(6) + Fall_Frames(1) + gold
                                + Cleared(6) + Fall_Frames(1) + gold + Cleared(6)
                                + Landing_Frames(1) + Lines{"states"});
    EXPECT_EQ(Score_Table[3].Score, 32);
    EXPECT_EQ(Digger_X, 6);
    EXPECT_EQ(Life, 10);
}

TEST_F(Items, ItemsMetDuringAFallTakeEffectInTheOrderOfTheRows)
{
    Set_Map(R"(
000000000000000
000004000000000
000002000000000
000005000000000
111111111111111
)");
    Life = 20;
    Shovel_Type = Shovel_Long;
    Shovel_Uses = 19;
    Scripted_Source random;
    random.Plain_Bottom_Rows(2);
    EXPECT_TRUE(walk_right());
    EXPECT_EQ(screen.calls, Step_Frames(5, 1, true) + Lines{"sound Life"} + Cleared(6)
                                + Fall_Frames(1) + Lines{"sound Dam"} + Cleared(6) + Fall_Frames(1)
                                + Lines{"sound Stone"} + Cleared(6) + Landing_Frames(1)
                                + Lines{"states"});
    EXPECT_EQ(Life, 19);  // capped at 20 first, then one lost
    EXPECT_EQ(Shovel_Uses, 20);
    EXPECT_EQ(Score_Table[3].Score, 2);
}

TEST_F(Items, DamageAtLifeOneEndsTheGameWithoutFallingFurther)
{
    Life = 1;
    Set_Map(R"(
000000000000000
000002000000000
111110111111111
)");
    Scripted_Source random;  // no fall: no new row is drawn
    EXPECT_TRUE(walk_right());
    EXPECT_EQ(screen.calls, Step_Frames(5, 1, true) + Lines{"sound Dam"} + Cleared(6)
                                + Lines{"game_over"});
    EXPECT_EQ(Life, 0);
    EXPECT_EQ(Map_Line[1], "000000000000000");
    EXPECT_EQ(Score_Table[3].Score, 0);
}

TEST_F(Items, DamageDuringAFallAtLifeOneStopsTheFallAtThatRow)
{
    Life = 1;
    Set_Map(R"(
000000000000000
000000000000000
111112111111111
000000000000000
)");
    Digger_X = 6;
    Scripted_Source random;
    random.Plain_Bottom_Row();
    arrive();
    EXPECT_EQ(screen.calls, Cleared(6) + Fall_Frames(1) + Lines{"sound Dam"} + Cleared(6)
                                + Lines{"game_over"});
    EXPECT_EQ(Score_Table[3].Score, 1);
    EXPECT_EQ(Life, 0);
}

TEST_F(Items, LifeIsCappedAtTwentyButStillSoundsAndClears)
{
    Life = 20;
    Set_Map(R"(
000000000000000
000004000000000
111111111111111
)");
    EXPECT_TRUE(walk_right());
    EXPECT_EQ(screen.calls, Step_Frames(5, 1, false) + Lines{"sound Life"} + Cleared(6) + Standing(1));
    EXPECT_EQ(Life, 20);
    EXPECT_EQ(Map_Line[1], "000000000000000");
    Life = 19;
    Map_Line[1] = "000000400000000";
    EXPECT_TRUE(walk_right());
    EXPECT_EQ(Life, 20);
}

TEST_F(Items, GoldAddsTen)
{
    Score_Table[3].Score = 41;
    Set_Map(R"(
000000000000000
000003000000000
111111111111111
)");
    EXPECT_TRUE(walk_right());
    EXPECT_EQ(screen.calls, Step_Frames(5, 1, false) + Lines{"sound Gold"} + Cleared(6) + Standing(1));
    EXPECT_EQ(Score_Table[3].Score, 51);
}

TEST_F(Items, StoneWithTheNormalShovelOnlySoundsAndIsCleared)
{
    Set_Map(R"(
000000000000000
000005000000000
111111111111111
)");
    EXPECT_TRUE(walk_right());
    EXPECT_EQ(screen.calls, Step_Frames(5, 1, false) + Lines{"sound Stone"} + Cleared(6) + Standing(1));
    EXPECT_EQ(Shovel_Type, Shovel_Normal);
    EXPECT_EQ(Shovel_Uses, 0);
    EXPECT_EQ(Map_Line[1], "000000000000000");
}

TEST_F(Items, StoneAddsOneUseToASpecialShovelUpToTwenty)
{
    Set_Map(R"(
000000000000000
000005500000000
111111111111111
)");
    Shovel_Type = Shovel_Power;
    Shovel_Uses = 19;
    walk_right();
    EXPECT_EQ(Shovel_Uses, 20);
    walk_right();
    EXPECT_EQ(Shovel_Uses, 20);
    EXPECT_EQ(screen.Count("sound Stone"), 2);
}

TEST_F(Items, AShovelItemReplacesTheShovelWithAFreshCount)
{
    Set_Map(R"(
000000000000000
000008000000000
111111111111111
)");
    Shovel_Type = Shovel_Large;
    Shovel_Uses = 3;
    Scripted_Source random;
    random.Draw(0, 10);
    EXPECT_TRUE(walk_right());
    EXPECT_EQ(screen.calls, (Step_Frames(5, 1, false) + Pickup_Frames()
                             + Lines{"digger 112,0", "sound Schop"} + Cleared(6) + Standing(1)));
    EXPECT_EQ(Shovel_Type, Shovel_Long);
    EXPECT_EQ(Shovel_Uses, 10);
}

TEST_F(Items, EachShovelItemGivesItsShovelWithTenToNineteenUses)
{
    struct Case { char code; int shovel; int draw; };
    for (Case c : {Case{'7', Shovel_Power, 9}, Case{'8', Shovel_Long, 5}, Case{'9', Shovel_Large, 0}}) {
        Set_Map("000000000000000\n000000000000000\n111111111111111\n");
        Set_Char(Map_Line[1], 6, c.code);
        Digger_X = 5;
        Scripted_Source random;
        random.Draw(c.draw, 10);
        EXPECT_TRUE(walk_right());
        EXPECT_EQ(Shovel_Type, c.shovel) << c.code;
        EXPECT_EQ(Shovel_Uses, 10 + c.draw) << c.code;
    }
    EXPECT_EQ(screen.Count("sound Schop"), 3);
}

TEST_F(Items, AShovelPickedUpWhileFallingShowsTheFallingPoseAndTheFallGoesOn)
{
    Set_Map(R"(
000000000000000
000000000000000
111117111111111
111110111111111
111111111111111
)");
    Digger_X = 6;
    Scripted_Source random;
    random.Plain_Bottom_Row();
    random.Draw(4, 10);  // fourteen uses
    random.Plain_Bottom_Row();
    arrive();
    const Lines expected = Cleared(6) + Fall_Frames(1) + Pickup_Frames()
                           + Lines{"digger 112,32", "sound Schop"} + Cleared(6) + Fall_Frames(1)
                           + Cleared(6) + Landing_Frames(1) + Squeeze_Frames(1, {5, 7})
                           + Lines{"states"};
    EXPECT_EQ(screen.calls, expected);
    EXPECT_EQ(Shovel_Type, Shovel_Power);
    EXPECT_EQ(Shovel_Uses, 14);
    EXPECT_EQ(Life, 9);
    EXPECT_EQ(Score_Table[3].Score, 2);
}

TEST_F(Items, EachSpecialTransformationRewritesTheWholeMap)
{
    const char* const before = R"(
000000000000000
000006000000000
111111111111111
111111223456789
222222222222222
)";
    struct Case { int t; const char* after; };
    const Case cases[] = {
        {0, "000000000000000\n000006000000000\n000000000000000\n000000223456789\n222222222222222\n"},
        {1, "000000000000000\n000006000000000\n333333333333333\n333333223456789\n222222222222222\n"},
        {2, "000000000000000\n000006000000000\n444444444444444\n444444223456789\n222222222222222\n"},
        {3, "000000000000000\n000000000000000\n111111111111111\n111111000000000\n000000000000000\n"},
        {4, "000000000000000\n000003000000000\n111111111111111\n111111333333333\n333333333333333\n"},
        {5, "000000000000000\n000004000000000\n111111111111111\n111111444444444\n444444444444444\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.t);
        screen.Clear();
        Set_Map(before);
        Digger_X = 5;
        Life = 10;
        Scripted_Source random;
        random.Draw(c.t, 6);
        if (c.t <= 2)  // no soil is left under it: it falls until the first new row
            random.Plain_Bottom_Rows(14);
        // 4 step waits, 4 pickup waits, 6 blinks: the 15th wait follows the transformation.
        std::string map_after;
        screen.on_wait = [&](int number, int) {
            if (number == 15)
                map_after = Map_Text();
        };
        walk_right();
        EXPECT_EQ(map_after, Full_Map(c.after));
        const Lines expected = Step_Frames(5, 1, false) + Special_Frames() + Cleared(6);
        ASSERT_GT(screen.calls.size(), expected.size());
        EXPECT_EQ(Lines(screen.calls.begin(), screen.calls.begin() + expected.size()), expected);
        if (c.t >= 3)  // soil still under the digger
            EXPECT_EQ(screen.calls, expected + Standing(1));
        else
            EXPECT_EQ(screen.calls[expected.size()], "digger 112,32");  // it falls at once
    }
}

TEST_F(Items, TransformationZeroUnderAStandingDiggerMakesItFallAtOnce)
{
    Set_Map(R"(
000000000000000
000006000000000
111111111111111
111111111111111
)");
    Scripted_Source random;
    random.Draw(0, 6);
    random.Plain_Bottom_Rows(14);  // the fourteenth new row is the first soil under it
    walk_right();
    Lines expected = Step_Frames(5, 1, false) + Special_Frames() + Cleared(6);
    for (int row = 0; row < 14; ++row)
        expected = expected + Fall_Frames(1) + Cleared(6);
    EXPECT_EQ(screen.calls, expected + Landing_Frames(1) + Lines{"states"});
    EXPECT_EQ(Score_Table[3].Score, 14);
    EXPECT_EQ(Life, 10);
}

}  // namespace
