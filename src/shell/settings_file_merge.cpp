#include "shell/settings_file_merge.h"

#include <algorithm>

namespace {

bool same(const Score_Entry& a, const Score_Entry& b)
{
    return a.Name == b.Name && a.Score == b.Score;
}

// Each entry of from, taken out of list once for every time it is there.
Score_List without(Score_List list, const Score_List& from)
{
    for (const Score_Entry& entry : from) {
        const auto found = std::find_if(list.begin(), list.end(),
                                        [&](const Score_Entry& e) { return same(e, entry); });
        if (found != list.end())
            list.erase(found);
    }
    return list;
}

// Inserted as a new high score is: strictly better than an entry takes its place.
void rank_in(Score_List& list, const Score_Entry& entry)
{
    const auto below = std::find_if(list.begin(), list.end(),
                                    [&](const Score_Entry& e) { return e.Score < entry.Score; });
    list.insert(below, entry);
}

High_Scores best_three(Score_List list)
{
    High_Scores table;
    for (int place = 0; place < High_Score_Places && place < int(list.size()); ++place)
        table[place] = list[place];
    return table;
}

}  // namespace

High_Scores Merge_Saved_Scores(const Score_List& on_disk, const Score_List& last_known,
                               const High_Scores& ours)
{
    // Nobody else wrote the file since: the table goes as it is, in its own order.
    const bool untouched = std::equal(on_disk.begin(), on_disk.end(), last_known.begin(),
                                      last_known.end(), same);
    if (untouched)
        return ours;
    const Score_List now(ours.begin(), ours.end());
    Score_List merged = without(on_disk, without(last_known, now));
    for (const Score_Entry& entry : without(now, last_known))
        rank_in(merged, entry);
    return best_three(merged);
}

High_Scores Join_Scores(const High_Scores& table, const Score_List& other)
{
    Score_List joined(table.begin(), table.end());
    for (const Score_Entry& entry : without(other, joined))
        rank_in(joined, entry);
    return best_three(joined);
}
