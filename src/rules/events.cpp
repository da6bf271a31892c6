#include "rules/events.h"

#include "rules/cell_codes.h"
#include "rules/fall.h"
#include "rules/sheet_cells.h"
#include "rules/stage_map.h"
#include "state/module1.h"
#include "state/random_source.h"

#include <algorithm>

namespace {

void pickup_frames(Sequence& sequence)
{
    sequence.Play_Pose(Slot_Other, Cheering_Pose);
}

// The special item rewrites every cell of the map, chosen by one draw t.
void transform_map(int t)
{
    for (auto& row : Map_Line) {
        for (char& cell : row) {
            const bool soil = cell == Cell_Soil;
            const bool item = cell > Cell_Soil && cell <= '9';
            switch (t) {
            case 0: if (soil) cell = Cell_Empty; break;
            case 1: if (soil) cell = Cell_Gold; break;
            case 2: if (soil) cell = Cell_Life; break;
            case 3: if (item) cell = Cell_Empty; break;
            case 4: if (item) cell = Cell_Gold; break;
            default: if (item) cell = Cell_Life; break;
            }
        }
    }
}

void special_item(Sequence& sequence)
{
    Screen& screen = sequence.screen();
    pickup_frames(sequence);
    screen.Sound("Special");
    screen.Save_Field();
    for (int blink = 0; blink < 3; ++blink) {
        screen.Clear_Field();
        sequence.Wait(Slot_Other);
        screen.Restore_Field();
        sequence.Wait(Slot_Other);
    }
    transform_map(Rnd_Int(6));
    screen.Map_Paint(Map_Paint_Whole);
    for (int i = 0; i < 5; ++i)
        sequence.Wait(Slot_Other);
}

void shovel_item(Sequence& sequence, int shovel, bool fell)
{
    Screen& screen = sequence.screen();
    pickup_frames(sequence);
    screen.Paint_Digger(fell ? Falling_Pose(Digger_Dir) : Standing_Pose(Digger_Dir));
    screen.Sound("Schop");
    Shovel_Type = shovel;
    Shovel_Uses = Rnd_Int(New_Shovel_Uses_Max - New_Shovel_Uses_Min + 1) + New_Shovel_Uses_Min;
}

void apply_item(Sequence& sequence, char cell, bool fell)
{
    Screen& screen = sequence.screen();
    switch (cell) {
    case Cell_Damage:
        Life = std::clamp(Life - 1, Life_Min, Life_Max);
        screen.Sound("Dam");
        break;
    case Cell_Gold:
        Score_Table[Playing_Entry].Score += 10;
        screen.Sound("Gold");
        break;
    case Cell_Life:
        Life = std::clamp(Life + 1, Life_Min, Life_Max);
        screen.Sound("Life");
        break;
    case Cell_Stone:
        if (Shovel_Type != Shovel_Normal)
            Shovel_Uses = std::clamp(Shovel_Uses + 1, Shovel_Uses_Min, Shovel_Uses_Max);
        screen.Sound("Stone");
        break;
    case Cell_Special: special_item(sequence); break;
    case Cell_Power_Shovel: shovel_item(sequence, Shovel_Power, fell); break;
    case Cell_Long_Shovel: shovel_item(sequence, Shovel_Long, fell); break;
    case Cell_Large_Shovel: shovel_item(sequence, Shovel_Large, fell); break;
    default: break;
    }
}

}  // namespace

void Move_Ivents(Sequence& sequence)
{
    Screen& screen = sequence.screen();
    bool fell = false;
    for (;;) {
        apply_item(sequence, Cell(1, Digger_X), fell);
        screen.Paint_Tile(Column_Left(Digger_X), Row_Top(1), Map_Tile(Cell_Empty), Raster::Copy);
        Set_Char(Map_Line[1], Digger_X, Cell_Empty);
        screen.States_Refresh();
        if (Life == Life_Min) {
            screen.Game_Over();
            return;
        }
        if (Cell(2, Digger_X) == Cell_Soil)
            break;
        Fall_Step(sequence);
        fell = true;
    }
    if (fell)
        Landing(sequence);
    else
        screen.Paint_Digger(Standing_Pose(Digger_Dir));
}
