#include "core/new_game.h"

#include "rules/high_score_table.h"
#include "rules/screen.h"
#include "rules/sequence.h"
#include "rules/sheet_cells.h"
#include "rules/stage_map.h"
#include "state/module1.h"

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
        screen.Map_Paint(Map_Paint_Whole);
        screen.Yield();
        sequence.Check();
        // New_Game left the box one cell above the field; eight 4 px steps bring it to row 1.
        for (int i = 0; i < 8; ++i) {
            screen.Move_Digger(0, -Cell_Size + 4 * (i + 1));
            sequence.Wait(Slot_Falling);
        }
        const int d = Digger_Dir;
        sequence.Play_Pose(Slot_Landing, [d](int frame) { return Landing_Pose(d, frame); });
        screen.Paint_Digger(Standing_Pose(d));
        focus_digger();
        return true;
    } catch (const Overtaken&) {
        return false;
    }
}
