// The three-entry high-score table: who gets in, where, the name given, and the command that
// empties it. Each change to the places is also noted in Unsaved_Score_Changes for the next save.
#pragma once

#include "state/module1.h"

#include <array>
#include <string>

// A score only enters the table by beating the third place; a tie stays out.
bool Is_New_High_Score();

// Moves entry 3 (the game just ended) into the table, best first, notes it for the save, and
// returns its place 0..2. The comparisons are strict, so a score equal to a place ranks below it;
// the old third place drops out. A score that beats no place any more (another copy of the game
// saved better ones while its ending ran) leaves the table alone and gets place 3.
int Enter_High_Score();

// The name typed for the entry this run entered, wherever that entry stands now; nothing when
// it has left the table meanwhile.
void Name_High_Score(const Score_Entry& entered, const std::string& name);

// Empties places 0..2; entry 3, the game being played, goes on with its score.
void Clear_High_Scores();

// A ranking score is on its way to the name dialog from the start of the high-score ending
// until the dialog opens. Whatever overtakes the ending first (a new game, the end of the
// program) calls this: the score enters the table at once under the name entered last in
// this run, as if the player had closed the dialog without typing. Does nothing otherwise.
void Enter_Overtaken_High_Score();
