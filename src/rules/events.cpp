#include "rules/events.h"

#include "core/module1.h"
#include "core/random_source.h"
#include "rules/cell_codes.h"
#include "rules/fall.h"

namespace {

void pickup_frames(Sequence& sequence)
{
    for (int i = 0; i < 4; ++i) {
        sequence.screen().Paint_Digger(64 + 16 * i, 64);
        sequence.Wait(6);
    }
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
        sequence.Wait(6);
        screen.Restore_Field();
        sequence.Wait(6);
    }
    transform_map(Rnd_Int(6));
    screen.Map_Paint(1);
    for (int i = 0; i < 5; ++i)
        sequence.Wait(6);
}

void shovel_item(Sequence& sequence, int shovel, bool fell)
{
    Screen& screen = sequence.screen();
    pickup_frames(sequence);
    screen.Paint_Digger(64 * Digger_Dir + 48, fell ? 32 : 0);
    screen.Sound("Schop");
    Shovel_Type = shovel;
    Shovel_Uses = Rnd_Int(10) + 10;
}

void apply_item(Sequence& sequence, char cell, bool fell)
{
    Screen& screen = sequence.screen();
    switch (cell) {
    case Cell_Damage:
        Life = Life - 1 < 0 ? 0 : Life - 1;
        screen.Sound("Dam");
        break;
    case Cell_Gold:
        Score_Table[3].Score += 10;
        screen.Sound("Gold");
        break;
    case Cell_Life:
        Life = Life + 1 > 20 ? 20 : Life + 1;
        screen.Sound("Life");
        break;
    case Cell_Stone:
        if (Shovel_Type != Shovel_Normal)
            Shovel_Uses = Shovel_Uses + 1 > 20 ? 20 : Shovel_Uses + 1;
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
        screen.Paint_Tile(16 * (Digger_X - 1), 16, 0, Tile_Y, Raster::Copy);
        Set_Char(Map_Line[1], Digger_X, Cell_Empty);
        screen.States_Refresh();
        if (Life == 0) {
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
        screen.Paint_Digger(64 * Digger_Dir + 48, 0);
}
