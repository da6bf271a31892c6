// Where a new score goes in the table and what the dialog says about it.
#include <gtest/gtest.h>

#include "dialogs/form4_score_entry.h"
#include "rules/high_score_table.h"

namespace {

using Table = std::array<Score_Entry, 4>;

Table table_of(int first, int second, int third, int score, const char* name = "NEW")
{
    return Table{Score_Entry{"A", first}, Score_Entry{"B", second}, Score_Entry{"C", third},
                 Score_Entry{name, score}};
}

void expect_entry(const Score_Entry& entry, const std::string& name, int score)
{
    EXPECT_EQ(entry.Name, name);
    EXPECT_EQ(entry.Score, score);
}

TEST(HighScoreInsert, ScoreAboveFirstTakesTheTopAndPushesTheOthersDown)
{
    Table table = table_of(500, 300, 100, 501);
    EXPECT_EQ(Insert_High_Score(table), 0);
    expect_entry(table[0], "NEW", 501);
    expect_entry(table[1], "A", 500);
    expect_entry(table[2], "B", 300);
    expect_entry(table[3], "NEW", 501);
}

TEST(HighScoreInsert, ScoreEqualToFirstRanksBelowIt)
{
    Table table = table_of(500, 300, 100, 500);
    EXPECT_EQ(Insert_High_Score(table), 1);
    expect_entry(table[0], "A", 500);
    expect_entry(table[1], "NEW", 500);
    expect_entry(table[2], "B", 300);
}

TEST(HighScoreInsert, ScoreEqualToSecondTakesTheThirdPlace)
{
    Table table = table_of(500, 300, 100, 300);
    EXPECT_EQ(Insert_High_Score(table), 2);
    expect_entry(table[0], "A", 500);
    expect_entry(table[1], "B", 300);
    expect_entry(table[2], "NEW", 300);
}

TEST(HighScoreInsert, ScoreOneAboveThirdReplacesOnlyTheThird)
{
    Table table = table_of(500, 300, 100, 101);
    EXPECT_EQ(Insert_High_Score(table), 2);
    expect_entry(table[0], "A", 500);
    expect_entry(table[1], "B", 300);
    expect_entry(table[2], "NEW", 101);
    expect_entry(table[3], "NEW", 101);
}

TEST(HighScoreInsert, ScoreBetweenFirstAndSecondTakesTheSecondPlace)
{
    Table table = table_of(500, 300, 100, 301, "");
    EXPECT_EQ(Insert_High_Score(table), 1);
    expect_entry(table[0], "A", 500);
    expect_entry(table[1], "", 301);
    expect_entry(table[2], "B", 300);
}

TEST(HighScoreTexts, PlaceIsAFullWidthDigitAndRank)
{
    EXPECT_EQ(Place_Text(0), QStringLiteral("１位"));
    EXPECT_EQ(Place_Text(1), QStringLiteral("２位"));
    EXPECT_EQ(Place_Text(2), QStringLiteral("３位"));
}

TEST(HighScoreTexts, ScoreIsFullWidthWithAFullWidthP)
{
    EXPECT_EQ(Score_Text(1234), QStringLiteral("１２３４ｐ"));
    EXPECT_EQ(Score_Text(1), QStringLiteral("１ｐ"));
    EXPECT_EQ(Score_Text(9876543), QStringLiteral("９８７６５４３ｐ"));
}

TEST(HighScoreTexts, OnlyTheTopPlaceIsCongratulatedAsAHighScore)
{
    EXPECT_EQ(Congratulation_Text(0), QStringLiteral("ハイスコアおめでとう！"));
    EXPECT_EQ(Congratulation_Text(1), QStringLiteral("スコア更新おめでとう！"));
    EXPECT_EQ(Congratulation_Text(2), QStringLiteral("スコア更新おめでとう！"));
}

TEST(HighScoreTexts, CongratulationColoursByTick)
{
    EXPECT_EQ(Congratulation_Colour(1), QColor(255, 255, 0));
    EXPECT_EQ(Congratulation_Colour(2), QColor(255, 255, 255));
    EXPECT_EQ(Congratulation_Colour(3), QColor(255, 255, 0));
    EXPECT_EQ(Congratulation_Colour(0), QColor(255, 128, 0));
}

}  // namespace
