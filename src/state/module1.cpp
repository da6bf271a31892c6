#include "state/module1.h"

void Reset_Module1()
{
    Game_Mode = Mode_Idle;
    App_Dir.clear();
    Key_State.clear();
    for (auto& row : Map_Line)
        row.clear();
    Digger_Dir = 0;
    Digger_X = 0;
    Dig_Mask.clear();
    Dig_Codes.clear();
    for (auto& entry : Score_Table)
        entry = Score_Entry{};
    Unsaved_Score_Changes.clear();
    Life = Life_Min;
    Shovel_Type = 0;
    Shovel_Uses = 0;
    Wait_Value.fill(0);
    Game_Serial = 0;
    High_Score_Pending = false;
}
