#include "rules/high_score_table.h"

#include "rules/score_merge.h"

#include <algorithm>

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

namespace {

// The change made to the places in play, as a save will replay it on the table on disk.
void change_places(const Score_Change& change)
{
    Score_List places(Score_Table.begin(), Score_Table.begin() + High_Score_Places);
    Apply_Score_Change(places, change);
    places.resize(High_Score_Places);
    std::copy(places.begin(), places.end(), Score_Table.begin());
    Unsaved_Score_Changes.push_back(change);
}

}  // namespace

int Enter_High_Score()
{
    std::array<Score_Entry, 4> table = Score_Table;
    const int place = Insert_High_Score(table);
    if (place < High_Score_Places)
        change_places({Score_Change::Kind::Entered, Score_Table[Playing_Entry],
                       Score_Table[High_Score_Places - 1], {}, {}});
    return place;
}

void Name_High_Score(const Score_Entry& entered, const std::string& name)
{
    change_places({Score_Change::Kind::Named, entered, {}, name, {}});
}

void Clear_High_Scores()
{
    High_Scores emptied;
    std::copy_n(Score_Table.begin(), High_Score_Places, emptied.begin());
    change_places({Score_Change::Kind::Cleared, {}, {}, {}, emptied});
}

void Enter_Overtaken_High_Score()
{
    if (!High_Score_Pending)
        return;
    High_Score_Pending = false;
    Enter_High_Score();
}
