// The new game command's entry: play look, fresh game, whole map, the digger dropping into row 1.
#include "core/new_game.h"
#include "rules/cell_codes.h"
#include "state/module1.h"
#include "state/random_source.h"
#include "support/recording_screen.h"

#include <gtest/gtest.h>

TEST(New_Game_Command, DropsTheDiggerIntoRowOneAndLandsIt)
{
    Reset_Module1();
    Map_Line.fill("999999999999999");
    Game_Mode = Mode_Game_Over, Key_State = "101", Score_Table[Playing_Entry].Score = 77;
    Shovel_Type = Shovel_Power, Shovel_Uses = 5;
    Set_Random_Source([] { return 0.7; });  // every generated cell empty, no item
    Recording_Screen screen;
    std::vector<int> modes;
    screen.on_wait = [&modes](int, int) { modes.push_back(Game_Mode); };
    EXPECT_TRUE(
        Run_New_Game(screen, [&] { screen.Log("play_look"); }, [&] { screen.Log("focus"); }));
    Set_Random_Source(nullptr);
    EXPECT_EQ(screen.Text(), R"(play_look, field_top 0, move 0,-16, digger 112,32, states, map_paint 1, yield, move 0,-12, wait 4
move 0,-8, wait 4
move 0,-4, wait 4
move 0,0, wait 4
move 0,4, wait 4
move 0,8, wait 4
move 0,12, wait 4
move 0,16, wait 4
digger 64,48, wait 5
digger 80,48, wait 5
digger 96,48, wait 5
digger 112,48, wait 5
digger 112,0, focus
)");
    EXPECT_EQ(modes, std::vector<int>(12, Mode_Playing));  // the keys count from the first frame on
    EXPECT_EQ(Key_State + " " + std::to_string(Digger_X) + " " + std::to_string(Digger_Dir),
              "000 1 1");
    EXPECT_EQ(Map_Line[0] + Map_Line[1] + Map_Line[2], std::string(30, '0') + std::string(15, '1'));
    for (size_t r = 3; r < Map_Line.size(); ++r)
        EXPECT_EQ(Map_Line[r], "000000000000000") << "row " << r;
    EXPECT_EQ(std::to_string(Life) + " " + std::to_string(Score_Table[Playing_Entry].Score) + " " +
                  std::to_string(Shovel_Type) + "/" + std::to_string(Shovel_Uses),
              "10 0 0/0");
}
