// The stage map's row generators and its one-row scroll.
#pragma once

#include <string>

// A row for rows 3..15 of a new map: mostly soil, a few items, one in fifty rows a special or
// shovel item on top.
std::string Initial_Row();

// The row added at the bottom after a scroll: soil and empty swapped against Initial_Row,
// one in fifty rows a shovel item and one in a hundred a special item.
std::string Bottom_Row();

// Rows 1..15 move up one, the old row 0 is lost, row 15 is a fresh Bottom_Row.
void Scroll_Map();
