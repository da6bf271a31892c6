// How the high-score tables of two copies of the game, or of two files, come together. An entry
// is its name and score; two equal entries are two scores.
#pragma once

#include "state/module1.h"

#include <array>
#include <vector>

using Score_List = std::vector<Score_Entry>;
using High_Scores = std::array<Score_Entry, High_Score_Places>;

// The table a save writes while another copy may have saved since this one last read or wrote
// the file. When the file still holds what this copy last knew, ours as it is; else the table
// on disk, without the entries that have left this copy's table since (cleared, or pushed down
// and out) and with those it entered since. Best three; an entry added ranks below one already
// there with the same score, as a new high score does.
High_Scores Merge_Saved_Scores(const Score_List& on_disk, const Score_List& last_known,
                               const High_Scores& ours);

// table with the entries of other that it does not hold yet; best three, table's first on a tie.
High_Scores Join_Scores(const High_Scores& table, const Score_List& other);
