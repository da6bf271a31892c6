// The stage map: New_Game, both row generators draw by draw, the one-row scroll, and the shares
// of the codes over many seeded rows.
#include <cmath>

#include <gtest/gtest.h>

#include "core/module1.h"
#include "core/random_source.h"
#include "rules/actions.h"
#include "rules/cell_codes.h"
#include "support/map_text.h"
#include "support/recording_screen.h"
#include "support/scripted_source.h"
#include "rules/stage_map.h"

namespace {

class Stage_Map : public ::testing::Test {
protected:
    void SetUp() override { Reset_Module1(); }
};

TEST_F(Stage_Map, InitialRowMapsEachDrawOfThirtyToItsCode)
{
    Scripted_Source random;
    for (int v : {0, 14, 15, 16, 17, 18, 19, 20, 21, 29, 3, 25, 15, 19, 20})
        random.Draw(v, 30);
    random.Draw(1, 50);  // no end-of-row item
    EXPECT_EQ(Initial_Row(), "112233450010245");
}

TEST_F(Stage_Map, InitialRowEndOfRowItemDrawsItsCodeBeforeItsColumnAndOverwritesAnything)
{
    Scripted_Source random;
    random.Repeat(15, 0, 30).Draw(0, 50).Draw(3, 4).Draw(14, 15);
    EXPECT_EQ(Initial_Row(), "111111111111119");
    random.Repeat(15, 25, 30).Draw(0, 50).Draw(0, 4).Draw(0, 15);
    EXPECT_EQ(Initial_Row(), "600000000000000");
    random.Repeat(15, 17, 30).Draw(0, 50).Draw(1, 4).Draw(7, 15);
    EXPECT_EQ(Initial_Row(), "333333373333333");
    random.Repeat(15, 0, 30).Draw(49, 50);  // 49 of 50: nothing extra
    EXPECT_EQ(Initial_Row(), "111111111111111");
}

TEST_F(Stage_Map, BottomRowSwapsSoilAndEmptyAndDrawsShovelThenSpecial)
{
    Scripted_Source random;
    for (int v : {0, 14, 15, 16, 17, 18, 19, 20, 21, 39, 3, 25, 15, 19, 20})
        random.Draw(v, 40);
    random.Draw(1, 50).Draw(1, 100);
    EXPECT_EQ(Bottom_Row(), "002233451101245");

    random.Repeat(15, 30, 40).Draw(0, 50).Draw(2, 3).Draw(4, 15).Draw(0, 100).Draw(9, 15);
    EXPECT_EQ(Bottom_Row(), "111191111611111");

    random.Repeat(15, 30, 40).Draw(0, 50).Draw(0, 3).Draw(0, 15).Draw(99, 100);
    EXPECT_EQ(Bottom_Row(), "711111111111111");

    random.Repeat(15, 30, 40).Draw(7, 50).Draw(0, 100).Draw(14, 15);  // the special alone
    EXPECT_EQ(Bottom_Row(), "111111111111116");
}

TEST_F(Stage_Map, TheSpecialMayOverwriteTheShovelItem)
{
    Scripted_Source random;
    random.Repeat(15, 0, 40).Draw(0, 50).Draw(1, 3).Draw(7, 15).Draw(0, 100).Draw(7, 15);
    EXPECT_EQ(Bottom_Row(), "000000060000000");
}

TEST_F(Stage_Map, NewGameResetsTheGameAndPlacesTheDiggerAboveTheField)
{
    Recording_Screen screen;
    Key_State = "111";
    Digger_X = 9;
    Digger_Dir = 0;
    Life = 3;
    Shovel_Type = 2;
    Shovel_Uses = 5;
    Score_Table[3].Score = 77;
    Scripted_Source random;
    // Rows 3..15 alternate soil and empty; only row 3 gets an end-of-row item.
    random.Repeat(15, 0, 30).Draw(0, 50).Draw(2, 4).Draw(4, 15);
    for (int r = 4; r <= 15; ++r)
        random.Repeat(15, r % 2 ? 25 : 0, 30).Draw(1, 50);
    New_Game(screen);
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"field_top 0", "move 0,-16", "digger 112,32"}));
    EXPECT_EQ(Map_Text(), Full_Map(R"(
000000000000000
000000000000000
111111111111111
111181111111111
111111111111111
000000000000000
111111111111111
000000000000000
111111111111111
000000000000000
111111111111111
000000000000000
111111111111111
000000000000000
111111111111111
000000000000000
)"));
    EXPECT_EQ(Key_State, "000");
    EXPECT_EQ(Digger_X, 1);
    EXPECT_EQ(Digger_Dir, 1);
    EXPECT_EQ(Score_Table[3].Score, 0);
    EXPECT_EQ(Life, 10);
    EXPECT_EQ(Shovel_Type, Shovel_Normal);
    EXPECT_EQ(Shovel_Uses, 0);
}

TEST_F(Stage_Map, TwoNewGamesContinueTheOneSequenceOfDraws)
{
    Recording_Screen screen;
    Seed_Random(5);
    New_Game(screen);
    const auto first = Map_Line;
    New_Game(screen);
    const auto second = Map_Line;
    Seed_Random(5);
    for (size_t r = 3; r <= 15; ++r)
        EXPECT_EQ(first[r], Initial_Row());
    for (size_t r = 3; r <= 15; ++r)
        EXPECT_EQ(second[r], Initial_Row());
    EXPECT_NE(first, second);
}

TEST_F(Stage_Map, ScrollMovesEveryRowUpAndAddsAFreshBottomRow)
{
    for (size_t r = 0; r < 16; ++r)
        Map_Line[r] = std::string(15, static_cast<char>('0' + r % 10));
    Scripted_Source random;
    random.Repeat(15, 0, 40).Draw(0, 50).Draw(0, 3).Draw(2, 15).Draw(1, 100);
    Scroll_Map();
    EXPECT_EQ(Map_Text(), Full_Map(R"(
111111111111111
222222222222222
333333333333333
444444444444444
555555555555555
666666666666666
777777777777777
888888888888888
999999999999999
000000000000000
111111111111111
222222222222222
333333333333333
444444444444444
555555555555555
007000000000000
)"));
}

// Share of a code over many generated cells, against its exact expectation. The tolerance is
// five standard errors, so a wrong range of one draw value fails while luck does not.
void Expect_Share(int count, double cells, double expected, const char* what)
{
    const double tolerance = 5 * std::sqrt(expected * (1 - expected) / cells);
    EXPECT_NEAR(count / cells, expected, tolerance) << what;
}

TEST_F(Stage_Map, GeneratedRowsHaveTheTabledShares)
{
    Seed_Random(20261207);
    const int rows = 40000;
    int initial[10] = {};
    int bottom[10] = {};
    for (int i = 0; i < rows; ++i) {
        for (char c : Initial_Row())
            ++initial[c - '0'];
        for (char c : Bottom_Row())
            ++bottom[c - '0'];
    }
    const double cells = 15.0 * rows;
    // A cell keeps its column draw unless an end-of-row item lands on it.
    const double shovel_hit = 1.0 / 50 / 15;
    const double special_hit = 1.0 / 100 / 15;
    const double initial_base[6] = {9, 15, 2, 2, 1, 1};
    for (int code = 0; code <= 5; ++code)
        Expect_Share(initial[code], cells, initial_base[code] / 30 * (1 - shovel_hit), "first map");
    for (int code = 6; code <= 9; ++code)
        Expect_Share(initial[code], cells, shovel_hit / 4, "first map, end of row");

    const double bottom_base[6] = {15, 19, 2, 2, 1, 1};
    const double kept = (1 - shovel_hit) * (1 - special_hit);
    for (int code = 0; code <= 5; ++code)
        Expect_Share(bottom[code], cells, bottom_base[code] / 40 * kept, "bottom row");
    Expect_Share(bottom[6], cells, special_hit, "bottom row special");
    for (int code = 7; code <= 9; ++code)
        Expect_Share(bottom[code], cells, shovel_hit / 3 * (1 - special_hit), "bottom row shovel");
}

}  // namespace
