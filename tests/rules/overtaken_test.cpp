// A new game started inside a wait of a running sequence: the old sequence stops at that wait
// and nothing of it reaches the new game.
#include <array>

#include <gtest/gtest.h>

#include "core/module1.h"
#include "core/random_source.h"
#include "rules/actions.h"
#include "support/map_text.h"
#include "support/recording_screen.h"
#include "rules/sequence.h"

namespace {

const char* const New_Game_Marker = "--- new game ---";

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
    void TearDown() override { Set_Random_Source(nullptr); }

    // As the new game command does it, inside the given wait of the old sequence.
    void new_game_in_wait(int wait)
    {
        screen.on_wait = [this, wait](int number, int) {
            if (number == wait)
                start_new_game();
        };
    }

    void start_new_game()
    {
        ++Game_Serial;
        New_Game(screen);
        Game_Mode = 1;
        new_game_map = Map_Line;
        screen.Log(New_Game_Marker);
        // Any later draw would be the old sequence's: make it visible.
        Set_Random_Source([this] {
            ++stray_draws;
            return 0.5;
        });
    }

    void expect_only_the_new_game_afterwards()
    {
        ASSERT_TRUE(screen.Contains(New_Game_Marker));
        EXPECT_EQ(screen.After(New_Game_Marker), Lines{});  // no frame, wait, sound, states
        EXPECT_EQ(stray_draws, 0);
        EXPECT_EQ(Map_Line, new_game_map);
        EXPECT_EQ(Score_Table[3].Score, 0);
        EXPECT_EQ(Life, 10);
        EXPECT_EQ(Shovel_Type, 0);
        EXPECT_EQ(Shovel_Uses, 0);
        EXPECT_EQ(Digger_X, 1);
        EXPECT_EQ(Digger_Dir, 1);
        EXPECT_EQ(Key_State, "000");
        EXPECT_EQ(Game_Mode, 1);
    }

    using Lines = std::vector<std::string>;
    Recording_Screen screen;
    std::array<std::string, 16> new_game_map;
    int stray_draws = 0;
};

TEST_F(Overtaken_Sequence, DigStopsAtItsFrameAndLeavesNoTileOrWear)
{
    Set_Map("000000000000000\n000000000000000\n111111111111111\n111111111111111\n");
    Key_State = "100";
    new_game_in_wait(2);
    EXPECT_TRUE(Dig_Action(screen));
    expect_only_the_new_game_afterwards();
}

TEST_F(Overtaken_Sequence, TurnStopsInItsWait)
{
    Set_Map("000000000000000\n000000000000000\n111111111111111\n");
    Key_State = "010";
    new_game_in_wait(1);
    EXPECT_TRUE(Walk_Action(screen));
    expect_only_the_new_game_afterwards();
}

TEST_F(Overtaken_Sequence, WalkStopsBeforeItsStepArrives)
{
    Set_Map("000000000000000\n000003000000000\n111111111111111\n");
    Key_State = "001";
    new_game_in_wait(3);
    EXPECT_TRUE(Walk_Action(screen));
    expect_only_the_new_game_afterwards();
}

TEST_F(Overtaken_Sequence, FallStopsWithoutScrollOrScore)
{
    Set_Map(R"(
000000000000000
000000000000000
111110111111111
111110111111111
111111111111111
)");
    Key_State = "001";
    new_game_in_wait(6);  // the second slide of the first fall step
    EXPECT_TRUE(Walk_Action(screen));
    expect_only_the_new_game_afterwards();
}

TEST_F(Overtaken_Sequence, LandingStopsBeforeThePinchIsJudged)
{
    Set_Map(R"(
000000000000000
000000000000000
111110111111111
111101011111111
111111111111111
)");
    Key_State = "001";
    new_game_in_wait(10);  // 4 step, 4 fall waits: the second landing frame
    EXPECT_TRUE(Walk_Action(screen));
    EXPECT_FALSE(screen.Contains("sound Out"));
    expect_only_the_new_game_afterwards();
}

TEST_F(Overtaken_Sequence, SqueezeStopsWithoutTakingALife)
{
    // A step into a hole, one fall into a slot between soil, landing, squeeze.
    Set_Map(R"(
000000000000000
000000000000000
111110111111111
111101011111111
111111111111111
)");
    Key_State = "001";
    new_game_in_wait(14);  // 4 step + 4 fall + 4 landing waits; then the second squeeze frame
    EXPECT_TRUE(Walk_Action(screen));
    EXPECT_TRUE(screen.Contains("sound Out"));
    expect_only_the_new_game_afterwards();
}

TEST_F(Overtaken_Sequence, SpecialItemStopsInItsBlinkBeforeItsDraw)
{
    Set_Map("000000000000000\n000006000000000\n111111111111111\n111111111111111\n");
    Key_State = "001";
    new_game_in_wait(10);
    EXPECT_TRUE(Walk_Action(screen));
    EXPECT_TRUE(screen.Contains("save_field"));
    EXPECT_FALSE(screen.Contains("map_paint 1"));
    expect_only_the_new_game_afterwards();
}

TEST_F(Overtaken_Sequence, ShovelPickupStopsBeforeTheShovelIsHandedOut)
{
    Set_Map("000000000000000\n000009000000000\n111111111111111\n");
    Key_State = "001";
    new_game_in_wait(7);  // the third pickup frame
    EXPECT_TRUE(Walk_Action(screen));
    expect_only_the_new_game_afterwards();
}

TEST_F(Overtaken_Sequence, AGameOverThatGivesWayToANewGameEndsTheOldStep)
{
    Life = 1;
    Set_Map("000000000000000\n000002000000000\n111111111111111\n");
    Key_State = "001";
    screen.on_game_over = [this] {
        start_new_game();
        throw Overtaken{};  // as the game-over sequence does when a new game overtakes it
    };
    EXPECT_TRUE(Walk_Action(screen));
    expect_only_the_new_game_afterwards();
}

}  // namespace
