// A whole stage written as text: sixteen rows of fifteen digits, row 0 first. Rows left out
// are empty space.
#pragma once

#include <initializer_list>
#include <string>

#include "core/module1.h"

inline void Set_Map(std::initializer_list<const char*> rows)
{
    size_t r = 0;
    for (const char* row : rows)
        Map_Line[r++] = row;
    for (; r < 16; ++r)
        Map_Line[r] = "000000000000000";
}
