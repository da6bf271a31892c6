// The main loop's dispatch: what one pass does for each mode and each combination of keys.
#include <gtest/gtest.h>

#include "core/main_loop.h"
#include "core/module1.h"
#include "core/random_source.h"
#include "support/recording_screen.h"

namespace {

class Main_Loop : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        Set_Random_Source([] { return 0.5; });  // every dug cell stays empty
        // The digger in column 5 facing right, soil to dig on both diagonals, air beside it.
        Map_Line[0] = "000000000000000";
        Map_Line[1] = "000000000000000";
        for (size_t r = 2; r < 16; ++r)
            Map_Line[r] = "111111111111111";
        Digger_X = 5;
        Digger_Dir = 1;
        Life = 10;
        Game_Mode = 1;
    }
    void TearDown() override { Set_Random_Source(nullptr); }

    Recording_Screen screen;
};

TEST_F(Main_Loop, TitleAndGameOverPassesOnlyYield)
{
    Key_State = "111";
    for (int mode : {0, 2}) {
        Game_Mode = mode;
        EXPECT_EQ(Main_Loop_Pass(screen), Pass_Result::Idle);
    }
    EXPECT_TRUE(screen.calls.empty());
    EXPECT_EQ(Map_Line[2], "111111111111111");
}

TEST_F(Main_Loop, ModeThreeRefreshesTheStatusPanelExactlyOnce)
{
    Game_Mode = 3;
    EXPECT_EQ(Main_Loop_Pass(screen), Pass_Result::Acted);
    EXPECT_EQ(Game_Mode, 0);
    EXPECT_EQ(Main_Loop_Pass(screen), Pass_Result::Idle);
    EXPECT_EQ(screen.calls, std::vector<std::string>{"states"});
}

TEST_F(Main_Loop, DigComesBeforeTheArrows)
{
    Key_State = "111";
    EXPECT_EQ(Main_Loop_Pass(screen), Pass_Result::Acted);
    EXPECT_TRUE(screen.Contains("sound Dig"));
    EXPECT_FALSE(screen.Contains("wait 1"));
    EXPECT_EQ(Digger_Dir, 1);
    EXPECT_EQ(Map_Line[2], "111110111111111");  // the cell right-below the digger
}

TEST_F(Main_Loop, LeftComesBeforeRight)
{
    Key_State = "011";
    EXPECT_EQ(Main_Loop_Pass(screen), Pass_Result::Acted);
    EXPECT_EQ(Digger_Dir, 0);  // facing right, so the left key only turns it
    EXPECT_EQ(Digger_X, 5);
    EXPECT_TRUE(screen.Contains("digger 48,0"));
    EXPECT_TRUE(screen.Contains("wait 1"));
}

TEST_F(Main_Loop, ADigWithNothingToDigIsIdle)
{
    Map_Line[2] = "000000000000000";
    Key_State = "100";
    EXPECT_EQ(Main_Loop_Pass(screen), Pass_Result::Idle);
    EXPECT_TRUE(screen.calls.empty());
}

TEST_F(Main_Loop, ABlockedStepIsIdleAndNoKeyDoesNothing)
{
    Map_Line[1] = "000001000000000";  // soil right beside the digger
    Key_State = "001";
    EXPECT_EQ(Main_Loop_Pass(screen), Pass_Result::Idle);
    Key_State = "000";
    EXPECT_EQ(Main_Loop_Pass(screen), Pass_Result::Idle);
    EXPECT_TRUE(screen.calls.empty());
    EXPECT_EQ(Digger_X, 5);
}

}  // namespace
