// What happens when the digger arrives in a cell: its item, and falling for as long as there
// is no soil underneath.
#pragma once

#include "rules/sequence.h"

// Called right after Digger_X has changed. Applies the item of every cell the digger reaches,
// falls row by row, lands; ends the game when life runs out.
void Move_Ivents(Sequence& sequence);
