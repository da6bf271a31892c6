#include "rules/fall.h"

#include "rules/cell_codes.h"
#include "rules/sheet_cells.h"
#include "rules/stage_map.h"
#include "state/module1.h"

#include <algorithm>
#include <vector>

void Fall_Step(Sequence& sequence)
{
    Screen& screen = sequence.screen();
    screen.Paint_Digger(Falling_Pose(Digger_Dir));
    for (int i = 1; i <= 4; ++i) {
        screen.Set_Field_Top(-4 * i);
        sequence.Wait(Slot_Falling);
    }
    Scroll_Map();
    screen.Map_Paint(Map_Paint_Scrolled);
    screen.Set_Field_Top(0);
    Score_Table[Playing_Entry].Score += 1;
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
    if (x == Field_Columns) {
        const int left = Field_Columns - 1;
        return Cell(1, left) == Cell_Soil ? std::vector<int>{left} : std::vector<int>{};
    }
    if (Cell(1, x - 1) == Cell_Soil && Cell(1, x + 1) == Cell_Soil)
        return {x - 1, x + 1};
    return {};
}

}  // namespace

void Landing(Sequence& sequence)
{
    Screen& screen = sequence.screen();
    const int d = Digger_Dir;
    sequence.Play_Pose(Slot_Landing, [d](int frame) { return Landing_Pose(d, frame); });
    screen.Paint_Digger(Standing_Pose(d));
    screen.Refresh_Digger();

    const std::vector<int> squeeze = squeezing_columns(Digger_X);
    if (!squeeze.empty()) {
        screen.Sound("Out");
        for (int column : squeeze)
            Set_Char(Map_Line[1], column, Cell_Empty);
        sequence.Play_Pose(Slot_Other, Squeezed_Pose, [&](int frame) {
            for (int column : squeeze)
                screen.Paint_Tile(Column_Left(column), Row_Top(1), Dig_Overlay(frame), Raster::Copy);
        });
        screen.Paint_Digger(Standing_Pose(d));
        for (int column : squeeze)
            screen.Paint_Tile(Column_Left(column), Row_Top(1), Map_Tile(Cell_Empty), Raster::Copy);
        Life -= 1;
    }
    Life = std::clamp(Life, Life_Min, Life_Max);
    screen.States_Refresh();
    if (Life == Life_Min)
        screen.Game_Over();
}
