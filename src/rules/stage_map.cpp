#include "rules/stage_map.h"

#include "core/module1.h"
#include "core/random_source.h"
#include "rules/actions.h"
#include "rules/cell_codes.h"
#include "rules/screen.h"
#include "rules/sheet_cells.h"

namespace {

// The item draws shared by both generators: v 15..20 of a column's draw.
char item_for(int v)
{
    if (v <= 16)
        return Cell_Damage;
    if (v <= 18)
        return Cell_Gold;
    return v == 19 ? Cell_Life : Cell_Stone;
}

}  // namespace

std::string Initial_Row()
{
    std::string row;
    for (int column = 1; column <= 15; ++column) {
        const int v = Rnd_Int(30);
        row += v <= 14 ? Cell_Soil : v >= 21 ? Cell_Empty : item_for(v);
    }
    if (Rnd_Int(50) == 0) {
        const int code = Rnd_Int(4) + 6;
        const int column = Rnd_Int(15) + 1;
        Set_Char(row, column, static_cast<char>('0' + code));
    }
    return row;
}

std::string Bottom_Row()
{
    std::string row;
    for (int column = 1; column <= 15; ++column) {
        const int v = Rnd_Int(40);
        row += v <= 14 ? Cell_Empty : v >= 21 ? Cell_Soil : item_for(v);
    }
    if (Rnd_Int(50) == 0) {
        const int code = Rnd_Int(3) + 7;
        const int column = Rnd_Int(15) + 1;
        Set_Char(row, column, static_cast<char>('0' + code));
    }
    if (Rnd_Int(100) == 0)
        Set_Char(row, Rnd_Int(15) + 1, Cell_Special);
    return row;
}

void Scroll_Map()
{
    for (size_t r = 1; r <= 15; ++r)
        Map_Line[r - 1] = Map_Line[r];
    Map_Line[15] = Bottom_Row();
}

void New_Game(Screen& screen)
{
    screen.Set_Field_Top(0);
    screen.Move_Digger(0, -16);
    screen.Paint_Digger(Falling_Pose(Facing_Right));
    Key_State = "000";
    Digger_Dir = Facing_Right;
    Digger_X = 1;
    Map_Line[0] = "000000000000000";
    Map_Line[1] = "000000000000000";
    Map_Line[2] = "111111111111111";
    for (size_t r = 3; r <= 15; ++r)
        Map_Line[r] = Initial_Row();
    Score_Table[3].Score = 0;
    Life = Life_At_Start;
    Shovel_Type = Shovel_Normal;
    Shovel_Uses = 0;
}
