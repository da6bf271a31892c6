// A stage written as text: one line of fifteen digits per row, row 0 first. Rows left out at
// the bottom are empty space, so a test writes only the rows it cares about.
#pragma once

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/module1.h"

inline void Set_Map(const std::string& text)
{
    std::istringstream lines(text);
    std::string line;
    size_t r = 0;
    while (std::getline(lines, line)) {
        if (line.empty())
            continue;
        ASSERT_LT(r, Map_Line.size()) << "more than sixteen rows";
        ASSERT_EQ(line.size(), 15u) << "row " << r << ": " << line;
        Map_Line[r++] = line;
    }
    for (; r < Map_Line.size(); ++r)
        Map_Line[r] = std::string(15, '0');
}

// The whole map as sixteen lines, for comparing against a text map.
inline std::string Map_Text()
{
    std::string text;
    for (const auto& row : Map_Line)
        text += row + "\n";
    return text;
}

// A text map with its missing rows filled in, in the form Map_Text gives.
inline std::string Full_Map(const std::string& text)
{
    const auto saved = Map_Line;
    Set_Map(text);
    const std::string full = Map_Text();
    Map_Line = saved;
    return full;
}
