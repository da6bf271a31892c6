// A bot pressing random keys plays many games; after every action the state must still be one
// the rules can stand on.
#include <random>

#include <gtest/gtest.h>

#include "core/module1.h"
#include "core/random_source.h"
#include "rules/actions.h"
#include "support/recording_screen.h"

TEST(Rules_Soak, RandomGamesKeepEveryInvariant)
{
    static const char* const keys[] = {"100", "100", "010", "001", "001", "011"};
    std::mt19937 bot(20261207);
    int lost = 0;
    for (int game = 0; game < 300; ++game) {
        Seed_Random(static_cast<uint64_t>(game) * 7919 + 1);
        Recording_Screen screen;
        New_Game(screen);
        for (int action = 0; action < 2000 && !screen.Contains("game_over"); ++action) {
            const int score = Score_Table[3].Score;
            Key_State = keys[bot() % 6];
            Key_State[0] == '1' ? Dig_Action(screen) : Walk_Action(screen);
            for (const std::string& row : Map_Line)
                ASSERT_TRUE(row.size() == 15 && row.find_first_not_of("0123456789") == std::string::npos) << row;
            ASSERT_TRUE(Digger_X >= 1 && Digger_X <= 15 && Life >= 0 && Life <= 20) << game;
            ASSERT_TRUE(Shovel_Uses >= 0 && Shovel_Uses <= 20 && Shovel_Type != 1 && Shovel_Type <= 4) << game;
            ASSERT_EQ(Shovel_Type == 0, Shovel_Uses == 0) << game;
            ASSERT_GE(Score_Table[3].Score, score) << game;
            ASSERT_EQ(screen.Contains("game_over"), Life == 0) << game;
            ASSERT_NE(Map_Line[1][static_cast<size_t>(Digger_X - 1)], '1') << "inside soil, game " << game;
            if (Life > 0)  // every step ends standing on soil
                ASSERT_EQ(Map_Line[2][static_cast<size_t>(Digger_X - 1)], '1') << "on air, game " << game;
        }
        lost += Life == 0;
    }
    EXPECT_GT(lost, 150) << "too few games reached their end to tell anything";
}
