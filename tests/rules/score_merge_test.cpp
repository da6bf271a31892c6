// How a save brings this copy's changes and the table on disk together: each row is the table
// found (entries "name:score", "-" an empty place), the changes replayed on it, the table written.
#include "rules/score_merge.h"
#include "support/table.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
Score_List parse(const std::string& text)
{
    Score_List list;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        const size_t colon = word.find(':');
        list.push_back(word == "-" ? Score_Entry{} : Score_Entry{word.substr(0, colon), std::stoi(word.substr(colon + 1))});
    }
    return list;
}

// "+X:400" entered, "X:400=Y" named Y, "clear" followed by the three places it emptied.
std::vector<Score_Change> changes(const std::string& text)
{
    std::vector<Score_Change> list;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        Score_Change change;
        if (word == "clear") {
            change.kind = Score_Change::Kind::Cleared;
            for (Score_Entry& place : change.table)
                words >> word, place = parse(word)[0];
        } else if (word[0] == '+') {  // "+X:400/C:100": C:100 was pushed out of this copy's places
            change.entry = parse(word.substr(1, word.find('/') - 1))[0];
            if (word.find('/') != std::string::npos)
                change.out = parse(word.substr(word.find('/') + 1))[0];
        } else {
            change.kind = Score_Change::Kind::Named;
            change.entry = parse(word.substr(0, word.find('=')))[0];
            change.name = word.substr(word.find('=') + 1);
        }
        list.push_back(change);
    }
    return list;
}

struct Merge_Row : Named_Row { const char *on_disk, *changes, *written; };
const Merge_Row Merge_Rows[] = {
    {"disk_as_this_copy_left_it", "A:500 B:300 C:100", "+X:400", "A:500 X:400 B:300"},
    {"disk_cleared_by_another_copy", "- - -", "+X:400", "X:400 - -"},
    {"clear_here_entry_there", "A:500 Z:450 B:300", "clear A:500 B:300 C:100", "Z:450 - -"},
    {"equal_scores_entered_by_two_copies", "A:500 Y:300 -", "+X:300", "A:500 Y:300 X:300"},
    {"added_ranks_below_an_equal_one_there", "A:500 Y:300 B:300", "+X:300", "A:500 Y:300 B:300"},
    {"same_name_and_score_twice", "A:500 B:300 C:100", "+A:500", "A:500 A:500 B:300"},
    {"name_after_a_reorder", "Z:900 P:200 C:100", "P:200=Q", "Z:900 Q:200 C:100"},
    {"name_after_the_entry_left", "X:900 Y:800 Z:700", "P:200=Q", "X:900 Y:800 Z:700"},
    {"name_to_the_lower_of_equals", "P:200 P:200 -", "P:200=Q", "P:200 Q:200 -"},
    {"clear_takes_each_entry_once", "A:500 A:500 B:300", "clear A:500 B:300 C:100", "A:500 - -"},
    {"pushed_out_here_stays_out", "A:500 B:300 C:100", "+X:400/C:100 clear A:500 X:400 B:300", "- - -"},
    {"pushed_down_there_comes_back", "A:500 B:300 C:100", "+X:400 clear X:400 - -", "A:500 B:300 C:100"},
    {"entered_named_and_cleared", "A:500 - -", "+P:200 P:200=Q clear A:500 Q:200 -", "- - -"},
};
class Score_Merge : public testing::TestWithParam<Merge_Row> {};
TEST_P(Score_Merge, ReplaysThisCopysChangesOnTheDisk)
{
    const Merge_Row& row = GetParam();
    std::string written;
    for (const Score_Entry& e : Merge_Scores(parse(row.on_disk), changes(row.changes)))
        written += (written.empty() ? "" : " ") + (e.Name.empty() && !e.Score ? "-" : e.Name + ":" + std::to_string(e.Score));
    EXPECT_EQ(written, row.written);
}
INSTANTIATE_TABLE(, Score_Merge, Merge_Rows);
}  // namespace
