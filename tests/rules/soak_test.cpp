// A bot pressing random keys plays a thousand games through the real rules, and after every
// action the state must still be one the rules can stand on.
#include <iostream>
#include <random>

#include <gtest/gtest.h>

#include "core/module1.h"
#include "core/random_source.h"
#include "rules/actions.h"
#include "rules/screen.h"

namespace {

// Draws nothing; the game ends where the rules call Game_Over.
class Null_Screen final : public Screen {
public:
    bool game_over = false;
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
        game_over = true;
        ended_by = last_sound;  // "Dam" or "Out": the blow that took the last life
        Game_Mode = 0;
    }
    void Yield() override {}
    std::string last_sound;
    std::string ended_by;
};

void expect_invariants(int game, int action)
{
    for (const auto& row : Map_Line) {
        ASSERT_EQ(row.size(), 15u) << game << ":" << action;
        for (char c : row)
            ASSERT_TRUE(c >= '0' && c <= '9') << game << ":" << action;
    }
    ASSERT_GE(Digger_X, 1);
    ASSERT_LE(Digger_X, 15);
    ASSERT_GE(Life, 0);
    ASSERT_LE(Life, 20);
    ASSERT_GE(Shovel_Uses, 0);
    ASSERT_LE(Shovel_Uses, 20);
    if (Shovel_Uses == 0)
        ASSERT_EQ(Shovel_Type, 0) << game << ":" << action;
    ASSERT_NE(Char_At(Map_Line[1], Digger_X), '1') << "digger inside soil " << game << ":" << action;
    ASSERT_EQ(Key_State.size(), 3u);
}

TEST(RulesSoak, AThousandRandomGamesKeepEveryInvariant)
{
    Reset_Module1();
    std::mt19937 bot(20261207);
    const int games = 1000;
    const int step_limit = 3000;
    int by_damage = 0, by_squeeze = 0, by_limit = 0;
    long actions = 0, deepest = 0;
    for (int game = 0; game < games; ++game) {
        Seed_Random(static_cast<uint64_t>(game) * 7919 + 1);
        Null_Screen screen;
        New_Game(screen);
        Game_Mode = 1;
        int action = 0;
        for (; action < step_limit && !screen.game_over; ++action) {
            // Mostly dig and walk right-ish, so games go deep and meet every item.
            static const char* const keys[] = {"100", "100", "010", "001", "001", "011", "101", "000"};
            Key_State = keys[bot() % 8];
            if (Char_At(Key_State, 1) == '1')
                Dig_Action(screen);
            else
                Walk_Action(screen);
            ++actions;
            expect_invariants(game, action);
            if (HasFatalFailure())
                return;
        }
        deepest = std::max<long>(deepest, Score_Table[3].Score);
        if (!screen.game_over)
            ++by_limit;
        else if (screen.ended_by == "Out")
            ++by_squeeze;
        else if (screen.ended_by == "Dam")
            ++by_damage;
        else
            ADD_FAILURE() << "game " << game << " ended after " << screen.ended_by;
    }
    std::cout << "[ soak ] " << games << " games, " << actions << " actions: " << by_damage
              << " ended by damage, " << by_squeeze << " by squeeze, " << by_limit
              << " by the step limit; best score " << deepest << "\n";
    EXPECT_EQ(by_damage + by_squeeze + by_limit, games);
    EXPECT_GT(by_damage + by_squeeze, 0);
}

}  // namespace
