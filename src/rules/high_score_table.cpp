#include "rules/high_score_table.h"

#include "rules/score_merge.h"

#include <algorithm>

bool Is_New_High_Score()
{
    return Score_Table[Playing_Entry].Score > Score_Table[High_Score_Places - 1].Score;
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
    // Strictly better than a place takes it, so the new score goes below every one it ties.
    const int32_t score = Score_Table[Playing_Entry].Score;
    const int place = int(std::find_if(Score_Table.begin(), Score_Table.begin() + High_Score_Places,
                                       [&](const Score_Entry& e) { return e.Score < score; }) -
                          Score_Table.begin());
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
