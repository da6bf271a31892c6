#include "rules/fall.h"

#include <algorithm>
#include <vector>

#include "core/module1.h"
#include "rules/cell_codes.h"
#include "rules/events.h"
#include "rules/sheet_cells.h"
#include "rules/stage_map.h"

void Fall_Step(Sequence& sequence)
{
    Screen& screen = sequence.screen();
    screen.Paint_Digger(Falling_Pose(Digger_Dir));
    for (int i = 1; i <= 4; ++i) {
        screen.Set_Field_Top(-4 * i);
        sequence.Wait(Slot_Falling);
    }
    Scroll_Map();
    screen.Map_Paint(0);
    screen.Set_Field_Top(0);
    Score_Table[3].Score += 1;
    screen.States_Refresh();
}

namespace {

// The columns of soil that squeeze a digger just landed in column x; the edge of the field
// counts as a wall, elsewhere it takes soil on both sides. Left first.
std::vector<int> squeezing_columns(int x)
{
    if (Shovel_Type == Shovel_Large)
        return {};
    if (x == 1)
        return Cell(1, 2) == Cell_Soil ? std::vector<int>{2} : std::vector<int>{};
    if (x == 15)
        return Cell(1, 14) == Cell_Soil ? std::vector<int>{14} : std::vector<int>{};
    if (Cell(1, x - 1) == Cell_Soil && Cell(1, x + 1) == Cell_Soil)
        return {x - 1, x + 1};
    return {};
}

}  // namespace

void Landing(Sequence& sequence)
{
    Screen& screen = sequence.screen();
    const int d = Digger_Dir;
    for (int i = 0; i < 4; ++i) {
        screen.Paint_Digger(Landing_Pose(d, i));
        sequence.Wait(Slot_Landing);
    }
    screen.Paint_Digger(Standing_Pose(d));
    screen.Refresh_Digger();

    const std::vector<int> squeeze = squeezing_columns(Digger_X);
    if (!squeeze.empty()) {
        screen.Sound("Out");
        for (int column : squeeze)
            Set_Char(Map_Line[1], column, Cell_Empty);
        for (int i = 0; i < 4; ++i) {
            screen.Paint_Digger(Squeezed_Pose(i));
            for (int column : squeeze)
                screen.Paint_Tile(16 * (column - 1), 16, Dig_Overlay(i), Raster::Copy);
            sequence.Wait(Slot_Other);
        }
        screen.Paint_Digger(Standing_Pose(d));
        for (int column : squeeze)
            screen.Paint_Tile(16 * (column - 1), 16, Map_Tile(Cell_Empty), Raster::Copy);
        Life -= 1;
    }
    Life = std::clamp(Life, Life_Min, Life_Max);
    screen.States_Refresh();
    if (Life == Life_Min)
        screen.Game_Over();
}
