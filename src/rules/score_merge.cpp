#include "rules/score_merge.h"

#include <algorithm>

namespace {

bool same(const Score_Entry& a, const Score_Entry& b)
{
    return a.Name == b.Name && a.Score == b.Score;
}

// The first entry that matches leaves the places; false when none did.
template <class Match>
bool take_out(Score_List& places, Match match)
{
    const auto found = std::find_if(places.begin(), places.end(), match);
    if (found == places.end())
        return false;
    places.erase(found);
    return true;
}

bool take_out(Score_List& places, const Score_Entry& entry)
{
    return take_out(places, [&](const Score_Entry& e) { return same(e, entry); });
}

// Each entry of from taken out of list once for every time it is there.
Score_List without(Score_List list, const Score_List& from)
{
    for (const Score_Entry& entry : from)
        take_out(list, entry);
    return list;
}

// Three places, empty ones at the end: what a file and the table in play both hold.
void keep_three(Score_List& places)
{
    places.resize(High_Score_Places);
}

}  // namespace

void Apply_Score_Change(Score_List& places, const Score_Change& change)
{
    places.resize(std::max<size_t>(places.size(), High_Score_Places));
    switch (change.kind) {
    case Score_Change::Kind::Entered: {
        // Strictly better than a place takes it; an equal score stays below.
        const auto below = std::find_if(places.begin(), places.end(), [&](const Score_Entry& e) {
            return e.Score < change.entry.Score;
        });
        places.insert(below, change.entry);
        // What left this copy's places then is gone; whatever else it pushes down stays until the
        // last change, which an entry later cleared here then never pushed out.
        take_out(places, change.out);
        break;
    }
    case Score_Change::Kind::Named: {
        // Of two equal entries the lower came last, and is the one this copy entered.
        const auto named = std::find_if(places.rbegin(), places.rend(),
                                        [&](const Score_Entry& e) { return same(e, change.entry); });
        if (named != places.rend())
            named->Name = change.name;
        break;
    }
    case Score_Change::Kind::Cleared:
        // The entry itself, or, renamed by the copy that entered it since, its score.
        for (const Score_Entry& emptied : change.table)
            take_out(places, emptied) || same(emptied, Score_Entry{}) ||
                take_out(places, [&](const Score_Entry& e) { return e.Score == emptied.Score; });
        break;
    }
}

High_Scores Merge_Scores(const Score_List& base, const std::vector<Score_Change>& changes)
{
    Score_List places = base;
    for (const Score_Change& change : changes)
        Apply_Score_Change(places, change);
    keep_three(places);
    High_Scores table;
    std::copy(places.begin(), places.end(), table.begin());
    return table;
}

Score_List Score_News(const Score_List& other, const Score_List& taken, const Score_List& table)
{
    Score_List news = without(without(other, taken), table);
    std::erase_if(news, [](const Score_Entry& e) { return same(e, Score_Entry{}); });
    return news;
}
