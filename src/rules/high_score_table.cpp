#include "rules/high_score_table.h"

bool Is_New_High_Score()
{
    return Score_Table[Playing_Entry].Score > Score_Table[High_Score_Places - 1].Score;
}

int Insert_High_Score(std::array<Score_Entry, 4>& table)
{
    // Strictly better than a place takes it; the places below move down one, the last drops out.
    const Score_Entry entered = table[Playing_Entry];
    int place = 0;
    while (place < High_Score_Places && table[place].Score >= entered.Score)
        ++place;
    if (place == High_Score_Places)
        return place;
    for (int below = High_Score_Places - 1; below > place; --below)
        table[below] = table[below - 1];
    table[place] = entered;
    return place;
}

void Clear_High_Scores()
{
    for (int entry = 0; entry < High_Score_Places; ++entry)
        Score_Table[entry] = Score_Entry{};
}

void Enter_Overtaken_High_Score()
{
    if (!High_Score_Pending)
        return;
    High_Score_Pending = false;
    Insert_High_Score(Score_Table);
}
