#include "core/main_loop.h"

#include "core/pacing.h"
#include "rules/dig.h"
#include "rules/screen.h"
#include "rules/walk.h"
#include "state/module1.h"

namespace {

unsigned long passes = 0;

}  // namespace

unsigned long Main_Loop_Passes()
{
    return passes;
}

Pass_Result Main_Loop_Pass(Screen& screen)
{
    ++passes;
    switch (Game_Mode) {
    case Mode_Idle:
    case Mode_Game_Over:
        return Pass_Result::Idle;
    case Mode_High_Score_Closed:
        screen.States_Refresh();
        Game_Mode = Mode_Idle;
        return Pass_Result::Acted;
    default:
        break;
    }
    if (Char_At(Key_State, Key_Dig) == '1')
        return Dig_Action(screen) ? Pass_Result::Acted : Pass_Result::Idle;
    if (Char_At(Key_State, Key_Left) == '1' || Char_At(Key_State, Key_Right) == '1')
        return Walk_Action(screen) ? Pass_Result::Acted : Pass_Result::Idle;
    return Pass_Result::Idle;
}

void Run_Main_Loop(Screen& screen, const std::function<bool()>& keep_running)
{
    while (keep_running()) {
        const Pass_Result result = Main_Loop_Pass(screen);
        if (!keep_running())
            break;
        if (result == Pass_Result::Acted)
            Pacing().Yield_Once();
        else
            Pacing().Yield_Idle();
    }
}
