// The stage map: a new game's map, the row generators, the one-row scroll, and where a cell of
// the map lies on the field canvas.
#pragma once

#include "rules/sheet_cells.h"
#include "state/module1.h"

#include <string>

class Screen;

// The cell at row r (0..Map_Rows − 1), column c (1..Field_Columns), as the rules read it.
inline char Cell(int row, int column)
{
    return Char_At(Map_Line[static_cast<size_t>(row)], column);
}

// The canvas pixel where column c (1-based) and row r begin.
constexpr int Column_Left(int column) { return Cell_Size * (column - 1); }
constexpr int Row_Top(int row) { return Cell_Size * row; }

// Resets the game state and generates a fresh map; puts the digger box above the field.
void New_Game(Screen& screen);

// A row for rows 3..15 of a new map: mostly soil, a few items, one in fifty rows a special or
// shovel item on top.
std::string Initial_Row();

// The row added at the bottom after a scroll: soil and empty swapped against Initial_Row,
// one in fifty rows a shovel item and one in a hundred a special item.
std::string Bottom_Row();

// Rows 1..15 move up one, the old row 0 is lost, row 15 is a fresh Bottom_Row.
void Scroll_Map();
