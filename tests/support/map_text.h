// A game under way over a stage written as text: rows of fifteen digits, row 0 first; rows left
// out are empty space.
#pragma once

#include "state/module1.h"

#include <sstream>
#include <string>

inline void Playing_At(int x, int dir, const std::string& map)
{
    Reset_Module1();
    Game_Mode = 1, Life = 10, Key_State = "000", Digger_X = x, Digger_Dir = dir;
    std::istringstream lines(map);
    std::string line;
    for (std::string& row : Map_Line)
        row = std::getline(lines, line) ? line : std::string(15, '0');
}
