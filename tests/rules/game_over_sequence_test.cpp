// The game-over sequence against a recorder: which ending a score gets, and every frame,
// wait, sound and caption step of both endings in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/module1.h"
#include "rules/game_over.h"
#include "rules/high_score_table.h"
#include "rules/sequence.h"
#include "support/recording_screen.h"

namespace {

// Writes the caption and dialog calls into the same log as the screen calls.
class Stage_Log final : public Game_Over_Stage {
public:
    explicit Stage_Log(Recording_Screen& log) : log_(log) {}

    void Set_Caption_Text(const std::string& text) override
    {
        log_.Log("caption_text " + text);
    }
    void Set_Caption_Tops(int caption_top, int shadow_top) override
    {
        log_.Log("caption_tops " + std::to_string(caption_top) + "," + std::to_string(shadow_top));
        caption = caption_top;
        shadow = shadow_top;
    }
    void Show_Caption() override { log_.Log("show_caption"); }
    void Open_High_Score_Dialog() override
    {
        log_.Log("open_dialog");
        mode_at_open = Game_Mode;
    }

    int caption = 0;
    int shadow = 0;
    int mode_at_open = -1;

private:
    Recording_Screen& log_;
};

std::string frame(int x, int y)
{
    return "digger " + std::to_string(x) + "," + std::to_string(y);
}

void append_slide(std::vector<std::string>& calls)
{
    calls.push_back("caption_text ゲームオーバー");
    calls.push_back("caption_tops -22,-21");
    calls.push_back("show_caption");
    for (int top = -21; top <= 98; ++top) {
        calls.push_back("caption_tops " + std::to_string(top) + "," + std::to_string(top + 1));
        calls.push_back("refresh_field");
    }
}

class GameOverSequence : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        Game_Mode = 1;
        Game_Serial = 7;
        Digger_X = 5;
        log.on_wait = [this](int, int) { modes_in_waits.push_back(Game_Mode); };
    }
    void TearDown() override { Reset_Module1(); }

    void set_scores(int first, int second, int third, int score)
    {
        Score_Table[0].Score = first;
        Score_Table[1].Score = second;
        Score_Table[2].Score = third;
        Score_Table[3].Score = score;
    }

    Recording_Screen log;
    Stage_Log stage{log};
    std::vector<int> modes_in_waits;
};

TEST_F(GameOverSequence, NormalEndingTurnsKeelsAndSlidesTheCaption)
{
    set_scores(500, 300, 100, 40);
    Game_Over_Sequence(log, stage);

    std::vector<std::string> expected{"sound Over"};
    for (int turn = 0; turn < 2; ++turn) {
        for (int k = 0; k < 4; ++k) {
            expected.push_back(frame(128, 32 + 16 * k));
            expected.push_back("wait 6");
        }
    }
    for (int k = 0; k < 4; ++k) {
        expected.push_back(frame(144, 32 + 16 * k));
        expected.push_back("wait 6");
    }
    append_slide(expected);
    EXPECT_EQ(log.calls, expected);
    EXPECT_EQ(Game_Mode, 0);
    EXPECT_EQ(modes_in_waits, std::vector<int>(12, 2));
    EXPECT_EQ(stage.caption, 98);
    EXPECT_EQ(stage.shadow, 99);
}

TEST_F(GameOverSequence, HighScoreEndingCheersSlidesCheersAndJumpsOut)
{
    set_scores(500, 300, 100, 101);
    Game_Over_Sequence(log, stage);

    std::vector<std::string> expected{"sound Hight"};
    for (int cycle = 0; cycle < 2; ++cycle) {
        for (int k = 0; k < 4; ++k) {
            expected.push_back(frame(64 + 16 * k, 64));
            expected.push_back("wait 6");
        }
    }
    append_slide(expected);
    for (int k = 0; k < 4; ++k) {
        expected.push_back(frame(64 + 16 * k, 64));
        expected.push_back("refresh_digger");
        expected.push_back("wait 6");
    }
    // Column 5 stands at left 64; from top 16 eight 4 px steps end just above the field.
    for (int top : {12, 8, 4, 0, -4, -8, -12, -16}) {
        expected.push_back("move 64," + std::to_string(top));
        expected.push_back("wait 6");
        expected.push_back("refresh_digger");
    }
    expected.push_back("open_dialog");
    EXPECT_EQ(log.calls, expected);
    EXPECT_EQ(modes_in_waits, std::vector<int>(20, 2));
    EXPECT_EQ(stage.mode_at_open, 2);
    EXPECT_EQ(Game_Mode, 2);
    // The table is the dialog's business; the sequence leaves it alone.
    EXPECT_EQ(Score_Table[2].Score, 100);
}

TEST_F(GameOverSequence, WhichEndingAScoreGets)
{
    struct Case { int first, second, third, score; bool high; };
    const Case cases[] = {
        {500, 300, 100, 100, false},  // equal to the third place
        {500, 300, 100, 101, true},   // one above it
        {500, 300, 100, 99, false},
        {500, 300, 100, 900, true},
        {0, 0, 0, 0, false},          // empty table, nothing scored
        {0, 0, 0, 1, true},
    };
    for (const Case& c : cases) {
        SetUp();
        log.calls.clear();
        set_scores(c.first, c.second, c.third, c.score);
        EXPECT_EQ(Is_New_High_Score(), c.high) << c.score << " against " << c.third;
        Game_Over_Sequence(log, stage);
        ASSERT_FALSE(log.calls.empty());
        EXPECT_EQ(log.calls.front(), c.high ? "sound Hight" : "sound Over") << c.score;
        EXPECT_EQ(log.Contains("open_dialog"), c.high) << c.score;
        EXPECT_EQ(Game_Mode, c.high ? 2 : 0) << c.score;
    }
}

TEST_F(GameOverSequence, NewGameDuringAWaitStopsTheNormalEndingThere)
{
    set_scores(500, 300, 100, 10);
    log.on_wait = [](int wait, int) {
        if (wait == 3) {
            ++Game_Serial;
            Game_Mode = 1;
        }
    };
    EXPECT_THROW(Game_Over_Sequence(log, stage), Overtaken);
    EXPECT_EQ(Game_Mode, 1);
    ASSERT_FALSE(log.calls.empty());
    EXPECT_EQ(log.calls.back(), "wait 6");
    EXPECT_EQ(std::count(log.calls.begin(), log.calls.end(), "wait 6"), 3);
    EXPECT_FALSE(log.Contains("show_caption"));
}

TEST_F(GameOverSequence, NewGameDuringTheLastJumpDoesNotOpenTheDialog)
{
    set_scores(500, 300, 100, 600);
    log.on_wait = [](int wait, int) {
        if (wait == 20) {
            ++Game_Serial;
            Game_Mode = 1;
        }
    };
    EXPECT_THROW(Game_Over_Sequence(log, stage), Overtaken);
    EXPECT_EQ(Game_Mode, 1);
    EXPECT_TRUE(log.Contains("show_caption"));
    EXPECT_FALSE(log.Contains("open_dialog"));
    EXPECT_EQ(log.calls.back(), "wait 6");
}

}  // namespace
