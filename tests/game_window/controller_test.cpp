// A game controller plays as the keys it stands for: SDL's own virtual controller in this
// process, the real game window, the game's own polling and its main loop's passes.
#include "core/main_loop.h"
#include "dialogs/game_dialog.h"
#include "game_window/form1.h"
#include "rules/cell_codes.h"
#include "state/module1.h"
#include "state/random_source.h"
#include "support/look.h"
#include "support/table.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <SDL.h>

#include <gtest/gtest.h>

#include <cstring>

// Playing_Ranked: a game whose score will enter the table.
enum Scene { Title, Version_Dialog, Playing, Playing_Ranked };
// A button and its new state, a tap (down and up before the game polls), the left stick's x or y,
// or the test's own moves. The controller is attached before the game's SDL starts, unless by Plug.
enum Move { Stick = 100, Stick_Y, Tap, End_Game, Plug, Unplug };
struct Step { int input, value = 0; };
// seen: Game_Mode, Key_State and "+" with the name box's text while a dialog is open, first and after
// each step; with taps, the digger's column, facing and the soil left in the row it digs. top: first name.
struct Pad_Row : Named_Row { Scene scene; std::vector<Step> steps; const char* seen; const char* top = "A"; };

namespace {
// Back stands for no key: the game only polls once more with the others as they are.
const int A = SDL_CONTROLLER_BUTTON_A, B = SDL_CONTROLLER_BUTTON_B, X = SDL_CONTROLLER_BUTTON_X;
const int Start = SDL_CONTROLLER_BUTTON_START, Back = SDL_CONTROLLER_BUTTON_BACK, Up = SDL_CONTROLLER_BUTTON_DPAD_UP;
const int Left = SDL_CONTROLLER_BUTTON_DPAD_LEFT, Right = SDL_CONTROLLER_BUTTON_DPAD_RIGHT;

Form1* game = nullptr;
// Waits as the game's main loop does, a pass between events.
bool comes_true(const std::function<bool()>& condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 5000) {
        Main_Loop_Pass(*game);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return condition();
}
std::string state(bool taps)
{
    const auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    const std::string digger = " " + std::to_string(Digger_X) + (Digger_Dir == Facing_Left ? "<" : ">") +
                               std::to_string(std::ranges::count(Map_Line[2], Cell_Soil));
    return std::to_string(Game_Mode) + ":" + Key_State + (shown<Game_Dialog>() ? "+" : "") +
           (box ? box->text().toStdString() : "") + (taps ? digger : "");
}

class Controller : public testing::TestWithParam<Pad_Row> {};
TEST_P(Controller, Plays_As_The_Keys_It_Stands_For)
{
    const Pad_Row& row = GetParam();
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    Reset_Module1();
    Set_Random_Source([] { return 0.5; });
    // A tap lets go at the next poll after the main loop took it up, inside the turn or the dig
    // at the player's pace; anything else needs no pace.
    Wait_Value.fill(0);
    Wait_Value[Slot_Turn] = 3, Wait_Value[Slot_Dig] = 1;
    Score_Table = {{{"A", 500}, {"B", 300}, {"C", 100}, {"me", 0}}};
    SDL_VirtualJoystickDesc desc{SDL_VIRTUAL_JOYSTICK_DESC_VERSION,
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX};
    SDL_Joystick* pad = nullptr;
    auto plug = [&] {
        pad = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
        ASSERT_TRUE(pad && comes_true([] { return !SDL_HasEvent(SDL_CONTROLLERDEVICEADDED); }));
    };
    auto unplug = [&] { SDL_JoystickClose(std::exchange(pad, nullptr)), SDL_JoystickDetachVirtual(0); };
    {
        QTemporaryDir scratch;
        Form1 window;
        game = &window;
        window.Settings_File = scratch.filePath("Delvano.ini");  // the name dialog saves on closing
        window.show();
        if (row.scene >= Playing)
            window.mnuG1_Click();
        Score_Table[Playing_Entry].Score = row.scene == Playing_Ranked ? 600 : 0;
        window.Focus_Key_Picture();
        if (row.scene == Version_Dialog)
            window.mnuH3_Click();
        if (row.steps[0].input != Plug)
            plug();
        window.Watch_Controllers(true);
        ASSERT_TRUE(comes_true([] { return SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0; }));
        const bool taps = std::strpbrk(row.seen, "<>");
        std::string seen = state(taps);
        for (const Step& step : row.steps) {
            if (step.input == End_Game) {
                window.Game_Over();  // then the name dialog, if it opens, has the keyboard
                comes_true([] { return !qobject_cast<Game_Dialog*>(QApplication::activeWindow()) == !shown<Game_Dialog>(); });
            } else if (step.input == Plug || step.input == Unplug) {
                step.input == Plug ? plug() : unplug();
                comes_true([] { return !SDL_HasEvent(SDL_CONTROLLERDEVICEREMOVED); });
            } else if (step.input == Stick || step.input == Stick_Y) {
                const int axis = step.input - Stick;  // axes 0 and 1: the left stick's x and y
                SDL_JoystickSetVirtualAxis(pad, axis, Sint16(step.value));
                comes_true([&] { return SDL_JoystickGetAxis(pad, axis) == step.value; });
            } else if (step.input == Tap) {  // SDL takes in both before the game's next poll
                for (const Uint8 down : {1, 0})
                    SDL_JoystickSetVirtualButton(pad, step.value, down), SDL_JoystickUpdate();
                comes_true([] { return !SDL_HasEvents(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLERBUTTONUP); });
            } else {  // the game has polled once the joystick shows it
                SDL_JoystickSetVirtualButton(pad, step.input, Uint8(step.value));
                comes_true([&] { return SDL_JoystickGetButton(pad, step.input) == step.value; });
            }
            if (pad) {  // and once more after a pass: a tap's key is up by then
                const Uint8 back = !SDL_JoystickGetButton(pad, Back);
                SDL_JoystickSetVirtualButton(pad, Back, back);
                comes_true([&] { return SDL_JoystickGetButton(pad, Back) == back; });
            }
            seen += step.input == Plug ? "" : "|" + state(taps);
        }
        EXPECT_EQ(seen, row.seen);
        EXPECT_EQ(Score_Table[0].Name, row.top);
        if (pad)
            unplug();
    }
    Set_Random_Source(nullptr);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

const Pad_Row Pad_Rows[] = {
    {"Start_Starts_A_Game", Title, {{Start, 1}, {Start, 0}}, "0:|1:000|1:000"},
    {"Taps_Start_Turn_And_Dig_Once", Title, {{Tap, Start}, {Tap, Left}, {Tap, Right}, {Tap, A}},
     "0: 0<0|1:000 1>15|1:000 1<15|1:000 1>15|1:000 1>14"},
    {"Dpad_Walks_A_Digs", Playing, {{Left, 1}, {Left, 0}, {Right, 1}, {Right, 0}, {A, 1}, {A, 0}},
     "1:000|1:010|1:000|1:001|1:000|1:100|1:000"},
    {"Stick_Walks_Past_Half_Way", Playing,
     {{Stick, -16000}, {Stick, -17000}, {Stick, -12500}, {Stick, -12000}, {Stick, 32767}, {Stick, 0}},
     "1:000|1:000|1:010|1:010|1:000|1:001|1:000"},
    {"Dpad_And_Stick_Hold_Left_Together", Playing, {{Left, 1}, {Stick, -20000}, {Left, 0}, {Stick, 0}},
     "1:000|1:010|1:010|1:010|1:000"},
    {"B_Tapped_Closes_The_Version_Dialog", Version_Dialog, {{Tap, B}}, "0:+|0:"},
    {"A_Held_Through_The_Ending_Starts_Nothing", Playing, {{A, 1}, {End_Game}, {A, 0}}, "1:000|1:100|0:100|0:100"},
    {"A_Held_Into_The_Name_Dialog_Types_Nothing_Start_Confirms", Playing_Ranked,
     {{A, 1}, {End_Game}, {A, 0}, {Start, 1}}, "1:000|1:100|2:000+me|2:000+me|0:000", "me"},
    {"Name_Entered_By_Up_Down_Left_Right_X_Then_A", Playing_Ranked,
     {{End_Game}, {Tap, Up}, {Tap, Up}, {Tap, Right}, {Stick_Y, 20000}, {Stick_Y, 0}, {Tap, Right},
      {Tap, Up}, {Tap, Up}, {Tap, X}, {Tap, Left}, {Tap, A}},
     "1:000|2:000+me|2:000+Ae|2:000+Be|2:000+Be|2:000+B9|2:000+B9|2:000+B9 |2:000+B9A|2:000+B9B|2:000+BB"
     "|2:000+BB|0:000", "BB"},
    {"Late_Plug_Walks_Unplug_Lets_Go", Playing, {{Plug}, {Right, 1}, {Unplug}}, "1:000|1:001|1:000"},
};
INSTANTIATE_TABLE(Table, Controller, Pad_Rows);
}  // namespace
