// The new game command: its order of steps, the entry animation, and what overtakes it.
#include <gtest/gtest.h>

#include "core/module1.h"
#include "core/random_source.h"
#include "shell/new_game.h"
#include "support/recording_screen.h"

namespace {

class New_Game_Command : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        Set_Random_Source([] { return 0.7; });
    }
    void TearDown() override { Set_Random_Source(nullptr); }

    bool start()
    {
        return Run_New_Game(
            screen, [this] { screen.Log("play_look"); }, [this] { screen.Log("focus"); });
    }

    static std::vector<std::string> entry_animation()
    {
        std::vector<std::string> calls = {"play_look", "field_top 0", "move 0,-16", "digger 112,32",
                                          "states", "map_paint 1", "yield"};
        for (int i = 0; i < 8; ++i) {
            calls.push_back("move 0," + std::to_string(-12 + 4 * i));
            calls.push_back("wait 4");
        }
        for (int k = 0; k < 4; ++k) {
            calls.push_back("digger " + std::to_string(64 + 16 * k) + ",48");
            calls.push_back("wait 5");
        }
        calls.push_back("digger 112,0");
        calls.push_back("focus");
        return calls;
    }

    Recording_Screen screen;
};

TEST_F(New_Game_Command, DropsTheDiggerIntoRowOneFacingRight)
{
    Game_Mode = 2;
    Key_State = "101";
    EXPECT_TRUE(start());
    EXPECT_EQ(screen.calls, entry_animation());
    EXPECT_EQ(Game_Mode, 1);
    EXPECT_EQ(Key_State, "000");
    EXPECT_EQ(Digger_X, 1);
    EXPECT_EQ(Digger_Dir, 1);
    EXPECT_EQ(Life, 10);
    EXPECT_EQ(Score_Table[3].Score, 0);
    EXPECT_EQ(Shovel_Type, 0);
}

TEST_F(New_Game_Command, ChosenAgainDuringItsEntryPlaysExactlyOneEntryAfterwards)
{
    screen.on_wait = [this](int wait, int) {
        if (wait == 3) {
            screen.calls.clear();
            EXPECT_TRUE(start());
        }
    };
    EXPECT_FALSE(start());
    // What was logged after the second command began is its whole entry and nothing more.
    EXPECT_EQ(screen.calls, entry_animation());
}

TEST_F(New_Game_Command, AGameStartedDuringAnotherStopsTheOldSequenceAtItsWait)
{
    const uint64_t before = Game_Serial;
    screen.on_wait = [](int, int) { ++Game_Serial; };  // the window closed, say
    EXPECT_FALSE(start());
    EXPECT_GT(Game_Serial, before + 1);
    EXPECT_EQ(screen.calls.back(), "wait 4");
}

}  // namespace
