#include "rules/game_over.h"

#include "rules/high_score_table.h"
#include "rules/screen.h"
#include "rules/sequence.h"
#include "rules/sheet_cells.h"
#include "rules/stage_map.h"
#include "state/module1.h"

namespace {

// The slide is one unbroken stretch of drawing: nothing may run between its steps, so it
// repaints at once instead of yielding.
void slide_caption(Screen& screen, Game_Over_Stage& stage)
{
    stage.Set_Caption_Text("ゲームオーバー");
    int top = Caption_Start_Top;
    stage.Set_Caption_Tops(top, top + 1);
    stage.Show_Caption();
    for (int step = 0; step < Caption_Slide_Steps; ++step) {
        ++top;
        stage.Set_Caption_Tops(top, top + 1);
        screen.Refresh_Field();
    }
}

}  // namespace

void Game_Over_Sequence(Screen& screen, Game_Over_Stage& stage)
{
    Sequence sequence(screen);

    if (!Is_New_High_Score()) {
        screen.Sound("Over");
        Game_Mode = Mode_Game_Over;
        for (int turn = 0; turn < 2; ++turn)
            sequence.Play_Pose(Slot_Other, Turning_View);
        sequence.Play_Pose(Slot_Other, Keeling_View);
        slide_caption(screen, stage);
        Game_Mode = Mode_Idle;
        return;
    }

    High_Score_Pending = true;
    screen.Sound("Hight");
    Game_Mode = Mode_Game_Over;
    for (int cycle = 0; cycle < 2; ++cycle) {
        for (int k = 0; k < 4; ++k) {
            screen.Paint_Digger(Cheering_Pose(k));
            sequence.Wait(Slot_Other);
        }
    }
    slide_caption(screen, stage);
    for (int k = 0; k < 4; ++k) {
        screen.Paint_Digger(Cheering_Pose(k));
        screen.Refresh_Digger();
        sequence.Wait(Slot_Other);
    }
    // The digger jumps out of the top of the field from where it stood in row 1.
    const int left = Column_Left(Digger_X);
    int top = Row_Top(1);
    for (int step = 0; step < 8; ++step) {
        top -= 4;
        screen.Move_Digger(left, top);
        sequence.Wait(Slot_Other);
        screen.Refresh_Digger();
    }
    // From here the dialog owns the score: it enters the table as the dialog loads.
    High_Score_Pending = false;
    stage.Open_High_Score_Dialog();
}
