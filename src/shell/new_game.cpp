#include "shell/new_game.h"

#include "core/module1.h"
#include "rules/actions.h"
#include "rules/high_score_table.h"
#include "rules/screen.h"
#include "rules/sheet_cells.h"
#include "rules/sequence.h"

bool Run_New_Game(Screen& screen, const std::function<void()>& show_play_look,
                  const std::function<void()>& focus_digger)
{
    // A ranking score whose ending is overtaken here must not go down with it.
    Enter_Overtaken_High_Score();
    ++Game_Serial;
    Sequence sequence(screen);
    try {
        show_play_look();
        Game_Mode = Mode_Playing;
        New_Game(screen);
        screen.States_Refresh();
        screen.Map_Paint(1);
        screen.Yield();
        sequence.Check();
        // New_Game left the box one cell above the field; eight 4 px steps bring it to row 1.
        for (int i = 0; i < 8; ++i) {
            screen.Move_Digger(0, -16 + 4 * (i + 1));
            sequence.Wait(Slot_Falling);
        }
        for (int k = 0; k < 4; ++k) {
            screen.Paint_Digger(Landing_Pose(Digger_Dir, k));
            sequence.Wait(Slot_Landing);
        }
        screen.Paint_Digger(Standing_Pose(Digger_Dir));
        focus_digger();
        return true;
    } catch (const Overtaken&) {
        return false;
    }
}
