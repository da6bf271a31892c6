// Both endings of a game compared whole with their golden texts: who gets which ending, every
// frame, wait and sound, the caption's slide, the dialog and the mode left behind.
#include "rules/game_over.h"
#include "state/module1.h"
#include "support/recording_screen.h"
#include "support/table.h"

#include <gtest/gtest.h>

// Caption calls go into the screen's log; a slide (a top, then the canvas repainted at once)
// is written as one line from its first top to its last, each top followed by the repaint.
class Stage_Log final : public Game_Over_Stage {
public:
    explicit Stage_Log(Recording_Screen& log) : log_(log) {}
    void Set_Caption_Text(const std::string& text) override { log_.Log("caption " + text); }
    void Set_Caption_Tops(int caption, int shadow) override
    {
        const std::string tops = std::to_string(caption) + "/" + std::to_string(shadow);
        std::vector<std::string>& c = log_.calls;
        if (c.size() >= 2 && c.back() == "refresh_field" && c[c.size() - 2].starts_with("slide ")) {
            c.pop_back();
            c.back() = c.back().substr(0, c.back().find("..")) + ".." + tops;
        } else {
            log_.Log("slide " + tops + ".." + tops);
        }
    }
    void Show_Caption() override { log_.Log("show_caption"); }
    void Open_High_Score_Dialog() override { log_.Log("open_dialog mode " + std::to_string(Game_Mode)); }

private:
    Recording_Screen& log_;
};

struct Ending_Row : Named_Row { int third, score; const char* golden; int mode_after; };

const char* const Turn_And_Keel = R"(sound Over, digger 128,32, wait 6
digger 128,48, wait 6
digger 128,64, wait 6
digger 128,80, wait 6
digger 128,32, wait 6
digger 128,48, wait 6
digger 128,64, wait 6
digger 128,80, wait 6
digger 144,32, wait 6
digger 144,48, wait 6
digger 144,64, wait 6
digger 144,80, wait 6
caption ゲームオーバー, slide -22/-21..-22/-21, show_caption, slide -21/-20..98/99, refresh_field
)";
const char* const Cheer_And_Leave = R"(sound Hight, digger 64,64, wait 6
digger 80,64, wait 6
digger 96,64, wait 6
digger 112,64, wait 6
digger 64,64, wait 6
digger 80,64, wait 6
digger 96,64, wait 6
digger 112,64, wait 6
caption ゲームオーバー, slide -22/-21..-22/-21, show_caption, slide -21/-20..98/99, refresh_field, digger 64,64, refresh_digger, wait 6
digger 80,64, refresh_digger, wait 6
digger 96,64, refresh_digger, wait 6
digger 112,64, refresh_digger, wait 6
move 64,12, wait 6
refresh_digger, move 64,8, wait 6
refresh_digger, move 64,4, wait 6
refresh_digger, move 64,0, wait 6
refresh_digger, move 64,-4, wait 6
refresh_digger, move 64,-8, wait 6
refresh_digger, move 64,-12, wait 6
refresh_digger, move 64,-16, wait 6
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
    Recording_Screen screen;
    std::string modes_in_waits;
    screen.on_wait = [&](int, int) { modes_in_waits += std::to_string(Game_Mode); };
    Stage_Log stage(screen);
    Game_Over_Sequence(screen, stage);
    EXPECT_EQ(screen.Text(), row.golden);
    EXPECT_EQ(modes_in_waits, std::string(static_cast<size_t>(screen.waits), '2'));
    EXPECT_EQ(Game_Mode, row.mode_after);
    EXPECT_EQ(Score_Table[High_Score_Places - 1].Score, row.third);  // only the dialog changes it
}
INSTANTIATE_TABLE(Rules, Game_Over_Ending, Ending_Rows);
