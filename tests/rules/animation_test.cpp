// Each animation of the rules compared whole with its golden text: poses, tiles, wait slots and
// sounds in order, one frame a line (a frame ends with its wait). Both endings of a game too: who
// gets which ending, the caption's slide, the dialog and the mode left behind.
#include "rules/cell_codes.h"
#include "rules/dig.h"
#include "rules/events.h"
#include "rules/game_over.h"
#include "rules/walk.h"
#include "support/recording_screen.h"
#include "support/stage.h"
#include "support/table.h"

#include <gtest/gtest.h>

// entry: the held keys, or "arrive" for the events where the digger stands. A special shovel
// starts with its last use. Afterwards: rows 0 to 3 and 13 to 15, the score, "shovel/uses".
struct Golden_Row : Named_Row {
    const char* entry; int x, dir, shovel; const char* map; Draws u; const char *golden, *rows_after; int score_after;
    const char* shovel_after = "0/0"; };
const Golden_Row Golden_Rows[] = {
    {"dig_with_the_last_use_of_the_large_shovel_facing_left", "100", 8, Facing_Left, Shovel_Large,
     "000000000000000\n111111101111111\n111111111111111", {Low(10, 100), Low(50, 100)},
     R"(sound Dig, digger 0,16, tile 96,32 <- 48,96 and, tile 96,32 <- 0,80 paint, tile 96,16 <- 0,96 copy, tile 96,16 <- 0,80 paint, refresh_field, wait 2
digger 16..48,16, tile 96,32 <- 48,96 and, tile 96,32 <- 16..48,80 paint, tile 96,16 <- 0,96 copy, tile 96,16 <- 16..48,80 paint, refresh_field, wait 2 ×3
digger 48,0, tile 96,32 <- 48,96 copy, tile 96,16 <- 0,96 copy, states
)", "000000000000000 111111001111111 111111311111111 000000000000000 000000000000000 "
     "000000000000000 000000000000000", 0},
    {"special_item", "arrive", 5, Facing_Right, Shovel_Normal,
     "000000000000000\n000060000000000\n111111111111111", {High(3, 6)},
     R"(digger 64..112,64, wait 6 ×4
sound Special, save_field, clear_field, wait 6
restore_field, wait 6
clear_field, wait 6
restore_field, wait 6
clear_field, wait 6
restore_field, wait 6
map_paint 1, wait 6
wait 6 ×4
tile 64,16 <- 0,96 copy, states, digger 112,0
)", "000000000000000 000000000000000 111111111111111 000000000000000 000000000000000 "
     "000000000000000 000000000000000", 0},
    {"step_off_fall_onto_a_shovel_fall_on_land_and_be_squeezed", "010", 5, Facing_Left, Shovel_Normal,
     "000000000000000\n000000000000000\n000711111111111\n111011111111111\n111111111111111",
     Soil_Bottom_Row() + Draws{High(9, 10)} + Soil_Bottom_Row(), R"(digger 0..48,32, move 60..48,16, wait 3 ×4
tile 48,16 <- 0,96 copy, states, digger 48,32, field_top -4, wait 4
field_top -8..-16, wait 4 ×3
map_paint 0, field_top 0, states, digger 64,64, wait 6
digger 80..112,64, wait 6 ×3
digger 48,32, sound Schop, tile 48,16 <- 0,96 copy, states, digger 48,32, field_top -4, wait 4
field_top -8..-16, wait 4 ×3
map_paint 0, field_top 0, states, tile 48,16 <- 0,96 copy, states, digger 0,48, wait 5
digger 16..48,48, wait 5 ×3
digger 48,0, refresh_digger, sound Out, digger 0,64, tile 32,16 <- 0,80 copy, tile 64,16 <- 0,80 copy, wait 6
digger 16..48,64, tile 32,16 <- 16..48,80 copy, tile 64,16 <- 16..48,80 copy, wait 6 ×3
digger 48,0, tile 32,16 <- 0,96 copy, tile 64,16 <- 0,96 copy, states
)", "000011111111111 110001111111111 111111111111111 000000000000000 000000000000000 "
     "111111111111111 111111111111111", 2, "2/19"},
};
class Animation : public testing::TestWithParam<Golden_Row> {};
TEST_P(Animation, MatchesItsGoldenText)
{
    const Golden_Row& row = GetParam();
    Playing_At(row.x, row.dir, row.map);
    Shovel_Type = row.shovel, Shovel_Uses = row.shovel == Shovel_Normal ? 0 : 1;
    Scripted_Source random(row.u);
    Recording_Screen screen;
    Key_State = std::string(row.entry) == "arrive" ? "000" : row.entry;
    Sequence sequence(screen);
    if (Key_State == "000")
        Move_Ivents(sequence);
    else
        Char_At(Key_State, Key_Dig) == '1' ? Dig_Action(screen) : Walk_Action(screen);
    EXPECT_EQ(screen.Text(), row.golden);
    std::string rows;
    for (size_t r : {0, 1, 2, 3, 13, 14, 15})
        rows += Map_Line[r] + (r < 15 ? " " : "");
    EXPECT_EQ(rows, row.rows_after);
    EXPECT_EQ(Score_Table[Playing_Entry].Score, row.score_after);
    EXPECT_EQ(std::to_string(Shovel_Type) + "/" + std::to_string(Shovel_Uses), row.shovel_after);
}
INSTANTIATE_TABLE(Rules, Animation, Golden_Rows);

// Caption calls go into the screen's log; a slide (a top, then the canvas repainted at once)
// is written as one line from its first top to its last, each top followed by the repaint.
struct Stage_Log final : Recording_Screen, Game_Over_Stage {
    void Set_Caption_Text(const std::string& text) override { Log("caption " + text); }
    void Set_Caption_Tops(int caption, int shadow) override
    {
        const std::string tops = std::to_string(caption) + "/" + std::to_string(shadow);
        std::vector<std::string>& c = calls;
        if (c.size() >= 2 && c.back() == "refresh_field" && c[c.size() - 2].starts_with("slide "))
            c.pop_back(), c.back() = c.back().substr(0, c.back().find("..")) + ".." + tops;
        else
            Log("slide " + tops + ".." + tops);
    }
    void Show_Caption() override { Log("show_caption"); }
    void Open_High_Score_Dialog() override { Log("open_dialog mode " + std::to_string(Game_Mode)); }
};

struct Ending_Row : Named_Row { int third, score; const char* golden; int mode_after; };

const char* const Turn_And_Keel = R"(sound Over, digger 128,32, wait 6
digger 128,48..80, wait 6 ×3
digger 128,32..80, wait 6 ×4
digger 144,32..80, wait 6 ×4
caption ゲームオーバー, slide -22/-21..-22/-21, show_caption, slide -21/-20..98/99, refresh_field
)";
const char* const Cheer_And_Leave = R"(sound Hight, digger 64,64, wait 6
digger 80..112,64, wait 6 ×3
digger 64..112,64, wait 6 ×4
caption ゲームオーバー, slide -22/-21..-22/-21, show_caption, slide -21/-20..98/99, refresh_field, digger 64,64, refresh_digger, wait 6
digger 80..112,64, refresh_digger, wait 6 ×3
move 64,12, wait 6
refresh_digger, move 64,8..-16, wait 6 ×7
refresh_digger, open_dialog mode 2
)";
const Ending_Row Ending_Rows[] = {
    {"tie_with_the_third_place", 40, 40, Turn_And_Keel, Mode_Idle},
    {"empty_table_and_no_score", 0, 0, Turn_And_Keel, Mode_Idle},
    {"one_above_the_third_place", 40, 41, Cheer_And_Leave, Mode_Game_Over},
};
class Game_Over_Ending : public testing::TestWithParam<Ending_Row> {};
TEST_P(Game_Over_Ending, PlaysItsWholeSequence)
{
    const Ending_Row& row = GetParam();
    Reset_Module1();
    Game_Mode = Mode_Playing, Digger_X = 5;
    Score_Table = {Score_Entry{"", 90}, {"", 60}, {"", row.third}, {"", row.score}};  // 3: playing
    Stage_Log screen;  // the caption's calls in the same log
    std::string modes_in_waits;
    screen.on_wait = [&](int, int) { modes_in_waits += std::to_string(Game_Mode); };
    Game_Over_Sequence(screen, screen);
    EXPECT_EQ(screen.Text(), row.golden);
    EXPECT_EQ(modes_in_waits, std::string(static_cast<size_t>(screen.waits), '2'));
    EXPECT_EQ(Game_Mode, row.mode_after);
    EXPECT_EQ(Score_Table[High_Score_Places - 1].Score, row.third);  // only the dialog changes it
}
INSTANTIATE_TABLE(Rules, Game_Over_Ending, Ending_Rows);
