#include "rules/high_score_table.h"

bool Is_New_High_Score()
{
    return Score_Table[3].Score > Score_Table[2].Score;
}

int Insert_High_Score(std::array<Score_Entry, 4>& table)
{
    const int32_t score = table[3].Score;
    if (table[0].Score < score) {
        table[2] = table[1];
        table[1] = table[0];
        table[0] = table[3];
        return 0;
    }
    if (table[1].Score < score) {
        table[2] = table[1];
        table[1] = table[3];
        return 1;
    }
    table[2] = table[3];
    return 2;
}

void Clear_High_Scores()
{
    for (int entry = 0; entry <= 2; ++entry)
        Score_Table[entry] = Score_Entry{};
}

void Enter_Overtaken_High_Score()
{
    if (!High_Score_Pending)
        return;
    High_Score_Pending = false;
    Insert_High_Score(Score_Table);
}
