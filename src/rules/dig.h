// The dig: which of the eight cells beside the digger a dig removes, and what each becomes.
#pragma once

#include "rules/stage_map.h"

class Screen;

// Dig position p (1..8) of a digger in column x: the cell it addresses and where its tile lies
// on the canvas. Odd positions lie left of the digger, even ones right.
struct Dig_Place {
    int row;
    int column;
    int x() const { return Column_Left(column); }
    int y() const { return Row_Top(row); }
};
Dig_Place Dig_Position(int position, int digger_x);

// Writes Dig_Mask and Dig_Codes for the digger's facing, column and shovel. Draws one random
// number per dug position, in position order, and a second one right after it for a shovel.
void Dig_Judge();

// One dig with the held dig key. False when nothing could be dug: then no sound, no frame and
// no wait happened.
bool Dig_Action(Screen& screen);
