// Walking, items, falling and landing, checked on the whole recorded sequence of frames,
// waits and sounds.
#include <gtest/gtest.h>

#include "core/module1.h"
#include "rules/actions.h"
#include "rules/events.h"
#include "support/call_log.h"
#include "support/map_text.h"
#include "support/scripted_random.h"

namespace {

using Calls = std::vector<std::string>;

// The draws of one scroll's new bottom row: all soil, no extra items.
void soil_rows(Scripted_Random& random, int rows)
{
    for (int i = 0; i < rows; ++i)
        random.Repeat(15, 30, 40).Draw(1, 50).Draw(1, 100);
}

Calls step_frames(int from_left, int dir, bool into_hole)
{
    Calls calls;
    for (int i = 0; i < 4; ++i) {
        calls.push_back("digger " + std::to_string(64 * dir + 16 * i) + (into_hole ? ",32" : ",0"));
        calls.push_back("move " + std::to_string(from_left + (dir ? 4 : -4) * (i + 1)) + ",16");
        calls.push_back(into_hole ? "wait 3" : "wait 0");
    }
    return calls;
}

Calls fall_frames(int dir)
{
    return {"digger " + std::to_string(64 * dir + 48) + ",32", "field_top -4", "wait 4",
            "field_top -8", "wait 4", "field_top -12", "wait 4", "field_top -16", "wait 4",
            "map_paint 0", "field_top 0", "states"};
}

Calls landing_frames(int dir)
{
    Calls calls;
    for (int i = 0; i < 4; ++i) {
        calls.push_back("digger " + std::to_string(64 * dir + 16 * i) + ",48");
        calls.push_back("wait 5");
    }
    calls.push_back("digger " + std::to_string(64 * dir + 48) + ",0");
    calls.push_back("refresh_digger");
    return calls;
}

Calls cleared(int column)
{
    return {"tile " + std::to_string(16 * (column - 1)) + ",16 0,96 copy", "states"};
}

Calls operator+(Calls a, const Calls& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class Events : public ::testing::Test {
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

    // Move_Ivents for a digger already standing in its cell, as after a step.
    void arrive()
    {
        Sequence sequence(screen);
        Move_Ivents(sequence);
    }

    Call_Log screen;
};

TEST_F(Events, ThreeGoldsInOneFallAddThirtyPlusOnePerRow)
{
    Set_Map({"000000000000000",
             "000003000000000",
             "111113111111111",
             "000003000000000",
             "111111111111111"});
    Scripted_Random random;
    soil_rows(random, 2);
    EXPECT_TRUE(walk_right());
    const Calls gold = {"sound Gold"};
    EXPECT_EQ(screen.calls, step_frames(64, 1, true) + gold + cleared(6) + fall_frames(1) + gold
                                + cleared(6) + fall_frames(1) + gold + cleared(6)
                                + landing_frames(1) + Calls{"states"});
    EXPECT_EQ(Score_Table[3].Score, 32);
    EXPECT_EQ(Digger_X, 6);
    EXPECT_EQ(random.left(), 0);
}

TEST_F(Events, DamageAtLifeOneEndsTheGameWithoutFallingFurther)
{
    Life = 1;
    Set_Map({"000000000000000", "000002000000000", "111110111111111"});
    EXPECT_TRUE(walk_right());
    EXPECT_EQ(screen.calls,
              step_frames(64, 1, true) + Calls{"sound Dam"} + cleared(6) + Calls{"game_over"});
    EXPECT_EQ(Life, 0);
    EXPECT_EQ(Map_Line[1], "000000000000000");
}

TEST_F(Events, LifeIsCappedAtTwentyButStillSoundsAndClears)
{
    Life = 20;
    Set_Map({"000000000000000", "000004000000000", "111111111111111"});
    EXPECT_TRUE(walk_right());
    EXPECT_EQ(screen.calls, step_frames(64, 1, false) + Calls{"sound Life"} + cleared(6)
                                + Calls{"digger 112,0"});
    EXPECT_EQ(Life, 20);
    EXPECT_EQ(Map_Line[1], "000000000000000");
}

TEST_F(Events, StoneWithTheNormalShovelOnlySounds)
{
    Set_Map({"000000000000000", "000005000000000", "111111111111111"});
    walk_right();
    EXPECT_TRUE(screen.contains("sound Stone"));
    EXPECT_EQ(Shovel_Type, 0);
    EXPECT_EQ(Shovel_Uses, 0);
    Set_Map({"000000000000000", "000000500000000", "111111111111111"});
    Shovel_Type = 3;
    Shovel_Uses = 20;
    walk_right();
    EXPECT_EQ(Shovel_Uses, 20);
}

TEST_F(Events, AShovelPickedUpWhileFallingShowsTheFallingPoseAndTheFallGoesOn)
{
    Set_Map({"000000000000000",
             "000000000000000",
             "111117111111111",
             "111110111111111",
             "111111111111111"});
    Digger_X = 6;
    Scripted_Random random;
    soil_rows(random, 1);
    random.Draw(4, 10);  // fourteen uses
    soil_rows(random, 1);
    arrive();
    Calls pickup;
    for (int i = 0; i < 4; ++i)
        pickup = pickup + Calls{"digger " + std::to_string(64 + 16 * i) + ",64", "wait 6"};
    EXPECT_EQ(screen.calls, (cleared(6) + fall_frames(1) + pickup
                                + Calls{"digger 112,32", "sound Schop"} + cleared(6)
                                + fall_frames(1) + cleared(6) + landing_frames(1)
                                + Calls{"sound Out", "digger 0,64", "tile 64,16 0,80 copy",
                                        "tile 96,16 0,80 copy", "wait 6", "digger 16,64",
                                        "tile 64,16 16,80 copy", "tile 96,16 16,80 copy", "wait 6",
                                        "digger 32,64", "tile 64,16 32,80 copy",
                                        "tile 96,16 32,80 copy", "wait 6", "digger 48,64",
                                        "tile 64,16 48,80 copy", "tile 96,16 48,80 copy", "wait 6",
                                        "digger 112,0", "tile 64,16 0,96 copy",
                                        "tile 96,16 0,96 copy", "states"}));
    EXPECT_EQ(Shovel_Type, 2);
    EXPECT_EQ(Shovel_Uses, 14);
    EXPECT_EQ(Life, 9);
}

TEST_F(Events, EachSpecialTransformationRewritesTheWholeMap)
{
    struct Case { int t; const char* row3; };
    const Case cases[] = {{0, "000000223456789"}, {1, "333333223456789"}, {2, "444444223456789"},
                          {3, "111111000000000"}, {4, "111111333333333"}, {5, "111111444444444"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.t);
        screen.calls.clear();
        Set_Map({"000000000000000",
                 "000006000000000",
                 "111111111111111",
                 "111111223456789"});
        Digger_X = 5;
        Digger_Dir = 1;
        Scripted_Random random;
        random.Draw(c.t, 6);
        if (c.t <= 2)
            soil_rows(random, 14);  // no soil left to stand on: the digger falls to new rows
        // 4 step frames, 4 pickup frames, 6 blinks: the next wait follows the transformation.
        std::string row3_after;
        screen.waits = 0;
        screen.on_wait = [&](int wait) {
            if (wait == 15)
                row3_after = Map_Line[3];
        };
        walk_right();
        EXPECT_EQ(random.left(), 0);
        EXPECT_EQ(row3_after, c.row3);
        Calls expected = step_frames(64, 1, false);
        for (int i = 0; i < 4; ++i)
            expected = expected + Calls{"digger " + std::to_string(64 + 16 * i) + ",64", "wait 6"};
        expected = expected + Calls{"sound Special", "save_field"};
        for (int i = 0; i < 3; ++i)
            expected = expected + Calls{"clear_field", "wait 6", "restore_field", "wait 6"};
        expected = expected + Calls{"map_paint 1"};
        for (int i = 0; i < 5; ++i)
            expected.push_back("wait 6");
        expected = expected + cleared(6);
        EXPECT_EQ(Calls(screen.calls.begin(), screen.calls.begin() + expected.size()), expected);
    }
}

TEST_F(Events, TransformationZeroUnderAStandingDiggerMakesItFallAtOnce)
{
    Set_Map({"000000000000000", "000006000000000", "111111111111111", "111111111111111"});
    Scripted_Random random;
    random.Draw(0, 6);
    soil_rows(random, 14);
    walk_right();
    EXPECT_EQ(Score_Table[3].Score, 14);
    int slides = 0;
    for (const auto& call : screen.calls)
        slides += call == "field_top -16";
    EXPECT_EQ(slides, 14);
    EXPECT_TRUE(screen.contains("digger 64,48"));  // it lands at the end
    EXPECT_EQ(Life, 10);
}

// A digger in column x falls one row into row 1 of a slot: soil beside it as given.
void slot_map(int x, bool left_soil, bool right_soil)
{
    std::string slot(15, '0');
    if (x > 1 && left_soil)
        slot[static_cast<size_t>(x - 2)] = '1';
    if (x < 15 && right_soil)
        slot[static_cast<size_t>(x)] = '1';
    Map_Line[0] = std::string(15, '0');
    Map_Line[1] = std::string(15, '0');
    Map_Line[2] = slot;
    Map_Line[3] = std::string(15, '1');
    for (size_t r = 4; r < 16; ++r)
        Map_Line[r] = std::string(15, '0');
    Digger_X = x;
}

TEST_F(Events, LandingBesideTheWallNeedsOneSoilNeighbour)
{
    struct Case { int x; bool left, right; bool squeezed; };
    for (Case c : {Case{1, false, true, true}, Case{15, true, false, true}, Case{8, true, false, false},
                   Case{8, false, true, false}, Case{8, true, true, true}, Case{1, false, false, false}}) {
        SCOPED_TRACE(c.x * 10 + c.left * 2 + c.right);
        screen.calls.clear();
        Life = 10;
        slot_map(c.x, c.left, c.right);
        const std::string slot = Map_Line[2];
        Scripted_Random random;
        soil_rows(random, 1);
        arrive();
        EXPECT_EQ(screen.contains("sound Out"), c.squeezed);
        EXPECT_EQ(Life, c.squeezed ? 9 : 10);
        EXPECT_EQ(Map_Line[1], c.squeezed ? std::string(15, '0') : slot);
        EXPECT_TRUE(screen.contains("digger 112,48"));
        EXPECT_EQ(screen.calls.back(), "states");
    }
}

TEST_F(Events, BothSidesSqueezeLeftCellFirstForOneLife)
{
    slot_map(8, true, true);
    Scripted_Random random;
    soil_rows(random, 1);
    arrive();
    Calls squeeze = {"sound Out"};
    for (int i = 0; i < 4; ++i) {
        const std::string overlay = std::to_string(16 * i) + ",80 copy";
        squeeze = squeeze + Calls{"digger " + std::to_string(16 * i) + ",64",
                                  "tile 96,16 " + overlay, "tile 128,16 " + overlay, "wait 6"};
    }
    squeeze = squeeze + Calls{"digger 112,0", "tile 96,16 0,96 copy", "tile 128,16 0,96 copy", "states"};
    EXPECT_EQ(screen.calls, cleared(8) + fall_frames(1) + cleared(8) + landing_frames(1) + squeeze);
    EXPECT_EQ(Life, 9);
}

TEST_F(Events, TheLargeShovelIsNeverSqueezed)
{
    Shovel_Type = 4;
    Shovel_Uses = 5;
    slot_map(8, true, true);
    Scripted_Random random;
    soil_rows(random, 1);
    arrive();
    EXPECT_FALSE(screen.contains("sound Out"));
    EXPECT_EQ(Life, 10);
    EXPECT_EQ(Map_Line[1], "000000101000000");
}

TEST_F(Events, ASqueezeAtLifeOneEndsTheGame)
{
    Life = 1;
    slot_map(15, true, false);
    Scripted_Random random;
    soil_rows(random, 1);
    arrive();
    EXPECT_EQ(Life, 0);
    EXPECT_EQ(screen.calls.back(), "game_over");
}

TEST_F(Events, ASidewaysStepOntoSoilNeverLands)
{
    Set_Map({"000000000000000", "000010100000000", "111111111111111"});
    EXPECT_TRUE(walk_right());
    EXPECT_EQ(screen.calls, step_frames(64, 1, false) + cleared(6) + Calls{"digger 112,0"});
    EXPECT_EQ(Life, 10);
}

TEST_F(Events, ATurnNeverMovesTheDigger)
{
    Set_Map({"000000000000000", "000000000000000", "111111111111111"});
    Key_State = "010";
    EXPECT_TRUE(Walk_Action(screen));
    EXPECT_EQ(screen.calls, (Calls{"digger 48,0", "wait 1"}));
    EXPECT_EQ(Digger_X, 5);
    EXPECT_EQ(Digger_Dir, 0);
    screen.calls.clear();
    Key_State = "001";
    EXPECT_TRUE(Walk_Action(screen));
    EXPECT_EQ(screen.calls, (Calls{"digger 112,0", "wait 1"}));
}

TEST_F(Events, BothArrowsHeldWalkLeft)
{
    Set_Map({"000000000000000", "000000000000000", "111111111111111"});
    Digger_Dir = 0;
    Key_State = "011";
    EXPECT_TRUE(Walk_Action(screen));
    EXPECT_EQ(Digger_X, 4);
    EXPECT_EQ(screen.calls, step_frames(64, 0, false) + cleared(4) + Calls{"digger 48,0"});
}

TEST_F(Events, ABlockedStepNeitherMovesWaitsNorHandlesEvents)
{
    Set_Map({"000000000000000", "000011000000000", "111111111111111"});
    Digger_X = 15;
    EXPECT_FALSE(walk_right());  // the field's edge
    Digger_X = 4;
    EXPECT_FALSE(walk_right());  // soil in the way
    Digger_X = 1;
    Digger_Dir = 0;
    Key_State = "010";
    EXPECT_FALSE(Walk_Action(screen));
    EXPECT_TRUE(screen.calls.empty());
}

}  // namespace
