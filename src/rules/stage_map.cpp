#include "rules/stage_map.h"

#include "rules/cell_codes.h"
#include "rules/screen.h"
#include "state/random_source.h"

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

// One draw Int(u × range) a column, left to right: below 15 `low`, above 20 `high`, an item
// between.
std::string drawn_row(int range, char low, char high)
{
    std::string row;
    for (int column = 1; column <= Field_Columns; ++column) {
        const int v = Rnd_Int(range);
        row += v <= 14 ? low : v >= 21 ? high : item_for(v);
    }
    return row;
}

// One row in fifty gets one of `kinds` codes from first_code on, its code drawn before its
// column.
void drop_rare_item(std::string& row, int kinds, int first_code)
{
    if (Rnd_Int(50) != 0)
        return;
    const int code = Rnd_Int(kinds) + first_code;
    const int column = Rnd_Int(Field_Columns) + 1;
    Set_Char(row, column, static_cast<char>('0' + code));
}

}  // namespace

std::string Initial_Row()
{
    std::string row = drawn_row(30, Cell_Soil, Cell_Empty);
    drop_rare_item(row, 4, Cell_Special - '0');
    return row;
}

std::string Bottom_Row()
{
    std::string row = drawn_row(40, Cell_Empty, Cell_Soil);
    drop_rare_item(row, 3, Cell_Power_Shovel - '0');
    if (Rnd_Int(100) == 0)
        Set_Char(row, Rnd_Int(Field_Columns) + 1, Cell_Special);
    return row;
}

void Scroll_Map()
{
    for (size_t r = 1; r < Map_Line.size(); ++r)
        Map_Line[r - 1] = Map_Line[r];
    Map_Line.back() = Bottom_Row();
}

void New_Game(Screen& screen)
{
    screen.Set_Field_Top(0);
    screen.Move_Digger(0, -Cell_Size);
    screen.Paint_Digger(Falling_Pose(Facing_Right));
    Key_State = "000";
    Digger_Dir = Facing_Right;
    Digger_X = 1;
    const std::string open(Field_Columns, Cell_Empty);
    Map_Line[0] = open;
    Map_Line[1] = open;
    Map_Line[2] = std::string(Field_Columns, Cell_Soil);
    for (size_t r = 3; r < Map_Line.size(); ++r)
        Map_Line[r] = Initial_Row();
    Score_Table[Playing_Entry].Score = 0;
    Life = Life_At_Start;
    Shovel_Type = Shovel_Normal;
    Shovel_Uses = 0;
}
