// How the high-score tables of two copies of the game, or of two files, come together. An entry
// is its name and score; two equal entries are two scores.
#pragma once

#include "state/module1.h"

#include <array>
#include <vector>

using Score_List = std::vector<Score_Entry>;
using High_Scores = std::array<Score_Entry, High_Score_Places>;

// One change made to the places (best first), as the game made it to its own table: an entry
// ranks below one with the same score, and the entry it pushed out of this copy's places leaves;
// a name goes to the lowest entry that is still the one named, or nowhere once it has left; a
// clear takes out the entries it emptied, one for each time they were there, and nothing else.
// Entries below the third place stay in the list until the caller keeps three.
void Apply_Score_Change(Score_List& places, const Score_Change& change);

// The table a save writes: the changes replayed in order on base, the table on disk (or, when
// the disk tells nothing, the one this copy last read or wrote). Replayed on that last table
// itself they give this copy's own table back, place for place.
High_Scores Merge_Scores(const Score_List& base, const std::vector<Score_Change>& changes);

// The entries of other that are news: not among those already taken from it (taken), nor in
// table; each counted as often as it is there. An empty place is no entry.
Score_List Score_News(const Score_List& other, const Score_List& taken, const Score_List& table);
