// A bot pressing random keys plays a thousand games through the real entry points, and after
// every action the state must still be one the rules can stand on.
#include <algorithm>
#include <chrono>
#include <iostream>
#include <random>

#include <gtest/gtest.h>

#include "core/module1.h"
#include "core/random_source.h"
#include "rules/actions.h"
#include "rules/screen.h"

namespace {

// Draws nothing; remembers the last sound, which names the blow that took the last life.
class Quiet_Screen final : public Screen {
public:
    bool game_over = false;
    std::string last_sound;
    std::string ended_by;

    void Paint_Digger(int, int) override {}
    void Move_Digger(int, int) override {}
    void Refresh_Digger() override {}
    void Paint_Tile(int, int, int, int, Raster) override {}
    void Refresh_Field() override {}
    void Set_Field_Top(int) override {}
    void Save_Field() override {}
    void Clear_Field() override {}
    void Restore_Field() override {}
    void Map_Paint(int) override {}
    void States_Refresh() override {}
    void Wait_Prog(int) override {}
    void Sound(const std::string& name) override { last_sound = name; }
    void Game_Over() override
    {
        EXPECT_FALSE(game_over) << "Game_Over called twice";
        game_over = true;
        ended_by = last_sound;
        Game_Mode = 0;
    }
    void Yield() override {}
};

void Expect_Invariants(int game, int action)
{
    SCOPED_TRACE(testing::Message() << "game " << game << ", action " << action);
    for (const auto& row : Map_Line) {
        ASSERT_EQ(row.size(), 15u);
        for (char c : row)
            ASSERT_TRUE(c >= '0' && c <= '9') << row;
    }
    ASSERT_GE(Digger_X, 1);
    ASSERT_LE(Digger_X, 15);
    ASSERT_GE(Life, 0);
    ASSERT_LE(Life, 20);
    ASSERT_GE(Shovel_Uses, 0);
    ASSERT_LE(Shovel_Uses, 20);
    ASSERT_TRUE(Shovel_Type == 0 || Shovel_Type >= 2) << Shovel_Type;
    ASSERT_LE(Shovel_Type, 4);
    if (Shovel_Uses == 0)
        ASSERT_EQ(Shovel_Type, 0);
    ASSERT_NE(Char_At(Map_Line[1], Digger_X), '1') << "digger inside soil";
    ASSERT_EQ(Key_State.size(), 3u);
}

TEST(RulesSoak, AThousandRandomGamesKeepEveryInvariant)
{
    const auto start = std::chrono::steady_clock::now();
    Reset_Module1();
    std::mt19937 bot(20261207);
    const int games = 1000;
    const int step_limit = 3000;
    // Digging and walking right weigh more, so games go deep and meet every item.
    static const char* const keys[] = {"100", "100", "010", "001", "001", "011", "101", "000"};
    int by_damage = 0, by_squeeze = 0, by_limit = 0;
    long actions = 0;
    int best = 0;
    for (int game = 0; game < games; ++game) {
        Seed_Random(static_cast<uint64_t>(game) * 7919 + 1);
        Quiet_Screen screen;
        New_Game(screen);
        Game_Mode = 1;
        for (int action = 0; action < step_limit && !screen.game_over; ++action) {
            Key_State = keys[bot() % 8];
            if (Char_At(Key_State, 1) == '1')
                Dig_Action(screen);
            else
                Walk_Action(screen);
            ++actions;
            Expect_Invariants(game, action);
            if (HasFatalFailure())
                return;
        }
        best = std::max(best, Score_Table[3].Score);
        if (!screen.game_over)
            ++by_limit;
        else if (screen.ended_by == "Out")
            ++by_squeeze;
        else if (screen.ended_by == "Dam")
            ++by_damage;
        else
            ADD_FAILURE() << "game " << game << " ended after " << screen.ended_by;
        if (screen.game_over)
            EXPECT_EQ(Life, 0) << "game " << game;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "[ soak ] " << games << " games, " << actions << " actions: " << by_damage
              << " ended by damage, " << by_squeeze << " by squeeze, " << by_limit
              << " by the step limit; best score " << best << "; " << seconds << " s\n";
    EXPECT_EQ(by_damage + by_squeeze + by_limit, games);
    EXPECT_GT(by_damage, 0);
    EXPECT_GT(by_squeeze, 0);
}

}  // namespace
