// Turning and walking one column.
#include "core/module1.h"
#include "rules/actions.h"
#include "rules/cell_codes.h"
#include "rules/events.h"
#include "rules/sheet_cells.h"

namespace {

// One column left (-1) or right (+1): four 4 px slides, then the events of the new cell.
void step(Sequence& sequence, int direction)
{
    Screen& screen = sequence.screen();
    const int target = Digger_X + direction;
    const bool into_hole = Cell(2, target) != Cell_Soil;
    const int left = 16 * (Digger_X - 1);
    for (int i = 0; i < 4; ++i) {
        screen.Paint_Digger(into_hole ? Stepping_Off_Pose(Digger_Dir, i)
                                      : Walking_Pose(Digger_Dir, i));
        screen.Move_Digger(left + direction * 4 * (i + 1), 16);
        sequence.Wait(into_hole ? Slot_Step_Into_Hole : Slot_Walk);
    }
    Digger_X = target;
    Move_Ivents(sequence);
}

bool turn(Sequence& sequence, int new_dir)
{
    Digger_Dir = new_dir;
    sequence.screen().Paint_Digger(Standing_Pose(new_dir));
    sequence.Wait(Slot_Turn);
    return true;
}

}  // namespace

bool Walk_Action(Screen& screen)
{
    Sequence sequence(screen);
    try {
        if (Char_At(Key_State, 2) == '1') {
            if (Digger_Dir != Facing_Left)
                return turn(sequence, Facing_Left);
            if (Digger_X > 1 && Cell(1, Digger_X - 1) != Cell_Soil) {
                step(sequence, -1);
                return true;
            }
            return false;
        }
        if (Char_At(Key_State, 3) == '1') {
            if (Digger_Dir != Facing_Right)
                return turn(sequence, Facing_Right);
            if (Digger_X < 15 && Cell(1, Digger_X + 1) != Cell_Soil) {
                step(sequence, +1);
                return true;
            }
            return false;
        }
    } catch (const Overtaken&) {
        return true;
    }
    return false;
}
