#include "rules/walk.h"

#include "rules/cell_codes.h"
#include "rules/events.h"
#include "rules/sheet_cells.h"
#include "rules/stage_map.h"
#include "state/module1.h"

namespace {

// One column left (-1) or right (+1): four 4 px slides, then the events of the new cell.
void step(Sequence& sequence, int direction)
{
    Screen& screen = sequence.screen();
    const int target = Digger_X + direction;
    const bool into_hole = Cell(2, target) != Cell_Soil;
    const int left = Column_Left(Digger_X);
    const int d = Digger_Dir;
    const auto pose = [d, into_hole](int frame) {
        return into_hole ? Stepping_Off_Pose(d, frame) : Walking_Pose(d, frame);
    };
    sequence.Play_Pose(into_hole ? Slot_Step_Into_Hole : Slot_Walk, pose, [&](int frame) {
        screen.Move_Digger(left + direction * 4 * (frame + 1), Row_Top(1));
    });
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
        if (Char_At(Key_State, Key_Left) == '1') {
            if (Digger_Dir != Facing_Left)
                return turn(sequence, Facing_Left);
            if (Digger_X > 1 && Cell(1, Digger_X - 1) != Cell_Soil) {
                step(sequence, -1);
                return true;
            }
            return false;
        }
        if (Char_At(Key_State, Key_Right) == '1') {
            if (Digger_Dir != Facing_Right)
                return turn(sequence, Facing_Right);
            if (Digger_X < Field_Columns && Cell(1, Digger_X + 1) != Cell_Soil) {
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
