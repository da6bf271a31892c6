// Turning and walking one column.
#include "core/module1.h"
#include "rules/actions.h"
#include "rules/cell_codes.h"
#include "rules/events.h"

namespace {

// One column left (-1) or right (+1): four 4 px slides, then the events of the new cell.
void step(Sequence& sequence, int direction)
{
    Screen& screen = sequence.screen();
    const int target = Digger_X + direction;
    const bool into_hole = Cell(2, target) != Cell_Soil;
    const int left = 16 * (Digger_X - 1);
    for (int i = 0; i < 4; ++i) {
        screen.Paint_Digger(64 * Digger_Dir + 16 * i, into_hole ? 32 : 0);
        screen.Move_Digger(left + direction * 4 * (i + 1), 16);
        sequence.Wait(into_hole ? 3 : 0);
    }
    Digger_X = target;
    Move_Ivents(sequence);
}

bool turn(Sequence& sequence, int new_dir)
{
    Digger_Dir = new_dir;
    sequence.screen().Paint_Digger(new_dir == 0 ? 48 : 112, 0);
    sequence.Wait(1);
    return true;
}

}  // namespace

bool Walk_Action(Screen& screen)
{
    Sequence sequence(screen);
    try {
        if (Char_At(Key_State, 2) == '1') {
            if (Digger_Dir != 0)
                return turn(sequence, 0);
            if (Digger_X > 1 && Cell(1, Digger_X - 1) != Cell_Soil) {
                step(sequence, -1);
                return true;
            }
            return false;
        }
        if (Char_At(Key_State, 3) == '1') {
            if (Digger_Dir != 1)
                return turn(sequence, 1);
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
