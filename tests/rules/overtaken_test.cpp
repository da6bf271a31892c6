// A sequence overtaken by a new game stops at the wait during which the new game started, and
// nothing of it reaches the new game.
#include <gtest/gtest.h>

#include "core/module1.h"
#include "core/random_source.h"
#include "rules/actions.h"
#include "support/call_log.h"
#include "support/map_text.h"

namespace {

class Overtaken_Sequence : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        Seed_Random(99);
        Game_Mode = 1;
        Life = 3;
        Score_Table[3].Score = 500;
        Shovel_Type = 2;
        Shovel_Uses = 7;
        Digger_X = 5;
        Digger_Dir = 1;
    }

    // Starts a new game inside the given wait, as the menu command does.
    void new_game_in_wait(int wait)
    {
        screen.on_wait = [this, wait](int n) {
            if (n == wait) {
                ++Game_Serial;
                New_Game(screen);
                Game_Mode = 1;
                new_game_map = Map_Line;
                screen.log("--- new game ---");
            }
        };
    }

    void expect_only_the_new_game_afterwards()
    {
        ASSERT_FALSE(screen.calls.empty());
        EXPECT_EQ(screen.calls.back(), "--- new game ---");
        EXPECT_EQ(Map_Line, new_game_map);
        EXPECT_EQ(Score_Table[3].Score, 0);
        EXPECT_EQ(Life, 10);
        EXPECT_EQ(Shovel_Type, 0);
        EXPECT_EQ(Shovel_Uses, 0);
        EXPECT_EQ(Digger_X, 1);
        EXPECT_EQ(Digger_Dir, 1);
        EXPECT_EQ(Key_State, "000");
    }

    Call_Log screen;
    std::array<std::string, 16> new_game_map;
};

TEST_F(Overtaken_Sequence, DigStopsAtItsFrameAndLeavesNoTileOrWear)
{
    Set_Map({"000000000000000", "000000000000000", "111111111111111", "111111111111111"});
    Key_State = "100";
    new_game_in_wait(2);
    EXPECT_TRUE(Dig_Action(screen));
    expect_only_the_new_game_afterwards();
}

TEST_F(Overtaken_Sequence, WalkStopsBeforeItsStepLands)
{
    Set_Map({"000000000000000", "000000000000000", "111111111111111"});
    Key_State = "001";
    new_game_in_wait(3);
    EXPECT_TRUE(Walk_Action(screen));
    expect_only_the_new_game_afterwards();
}

TEST_F(Overtaken_Sequence, FallStopsWithoutScrollOrScore)
{
    Set_Map({"000000000000000", "000000000000000", "111110111111111", "111110111111111",
             "111111111111111"});
    Key_State = "001";
    new_game_in_wait(6);  // the second slide of the first fall step
    EXPECT_TRUE(Walk_Action(screen));
    expect_only_the_new_game_afterwards();
}

TEST_F(Overtaken_Sequence, SqueezeStopsWithoutTakingALife)
{
    // A step into a hole, one fall into a slot between soil, landing, squeeze.
    Set_Map({"000000000000000", "000000000000000", "111110111111111", "111101011111111",
             "111111111111111"});
    Key_State = "001";
    // 4 step + 4 fall + 4 landing waits; the 14th is the second squeeze frame.
    new_game_in_wait(14);
    Walk_Action(screen);
    EXPECT_TRUE(screen.contains("sound Out"));
    expect_only_the_new_game_afterwards();
}

TEST_F(Overtaken_Sequence, SpecialItemStopsInItsBlink)
{
    Set_Map({"000000000000000", "000006000000000", "111111111111111", "111111111111111"});
    Key_State = "001";
    new_game_in_wait(10);
    Walk_Action(screen);
    EXPECT_TRUE(screen.contains("save_field"));
    EXPECT_FALSE(screen.contains("map_paint 1"));
    expect_only_the_new_game_afterwards();
}

}  // namespace
