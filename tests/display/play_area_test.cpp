// The play area as the player sees it: the title picture, then the field through a fall with
// every cell code in its tile and the digger over it.
#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/module1.h"
#include "display/form1.h"
#include "display/look.h"

namespace {

const QPoint Play_Area(4, 6);

TEST(Title_Look, Title_Picture_Fills_The_Play_Area_Inside_The_Background)
{
    Form1 window;
    window.Show_Title_Look();
    window.show();
    const QImage shot = seen(*window.Client);
    EXPECT_EQ(differing(shot, Play_Area, shipped("title")), 0);
    EXPECT_EQ(differing(shot, {0, 0}, shipped("background").copy(0, 0, 375, 6)), 0);
}

// Every code, and "x", which is none, in every column somewhere on the rows.
std::string map_row(int r)
{
    std::string row;
    for (int c = 0; c < 15; ++c)
        row += "0123456789x"[(4 * r + 3 * c) % 11];
    return row;
}

struct Tile_Row {
    char code;
    int sheet_x;  // of the tile in the sheet's map-tile row
};

void PrintTo(const Tile_Row& row, std::ostream* os) { *os << "code_" << row.code; }

class Play_Look : public testing::TestWithParam<Tile_Row> {};

TEST_P(Play_Look, Cells_Show_The_Tile_Of_Their_Code_Through_A_Fall)
{
    Reset_Module1();
    std::array<std::string, 17> original;
    for (int r = 0; r < 17; ++r)
        original[r] = map_row(r);
    std::copy_n(original.begin(), 16, Map_Line.begin());
    Form1 window;
    window.Show_Play_Look();
    window.show();
    window.Map_Paint(1);
    window.Paint_Digger(48, 32);
    window.Move_Digger(96, 16);

    struct Shot { QImage image; int first_row; };
    std::vector<Shot> shots;
    window.Set_Field_Top(-16);  // the canvas slides up before the map scrolls
    shots.push_back({seen(*window.Client), 1});
    std::copy_n(original.begin() + 1, 16, Map_Line.begin());
    window.Map_Paint(0);
    window.Set_Field_Top(0);
    shots.push_back({seen(*window.Client), 1});
    window.Set_Field_Top(-16);  // the next fall brings the new row into view
    shots.push_back({seen(*window.Client), 2});

    const QImage tile = sheet_cell(GetParam().sheet_x, 96);
    for (size_t i = 0; i < shots.size(); ++i) {
        const Shot& shot = shots[i];
        for (int v = 0; v < 14; ++v)
            for (int c = 0; c < 15; ++c)
                if (original[v + shot.first_row][c] == GetParam().code && !(v == 1 && c == 6))
                    EXPECT_EQ(differing(shot.image, Play_Area + QPoint(16 * c, 16 * v), tile), 0)
                        << "row " << v << " column " << c + 1 << " of shot " << i;
        EXPECT_EQ(differing(shot.image, Play_Area + QPoint(96, 16), sheet_cell(48, 32)), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Play_Look, testing::Values(
    Tile_Row{'0', 0}, Tile_Row{'1', 16}, Tile_Row{'2', 32}, Tile_Row{'3', 48}, Tile_Row{'4', 64},
    Tile_Row{'5', 80}, Tile_Row{'6', 96}, Tile_Row{'7', 112}, Tile_Row{'8', 128},
    Tile_Row{'9', 144}, Tile_Row{'x', 0}));

}  // namespace
