// A game controller plays as the keys it stands for: SDL's own virtual controller in this
// process, the real game window and the game's own polling.
#include "dialogs/game_dialog.h"
#include "game_window/form1.h"
#include "state/module1.h"
#include "state/random_source.h"
#include "support/look.h"
#include "support/table.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <SDL.h>

#include <gtest/gtest.h>

// Playing_Ranked: a game whose score will enter the table.
enum class Scene { Title, Playing, Playing_Ranked, Version_Dialog };
// A button and its new state, the left stick's x axis, or the test's own moves. The controller
// is attached before the game's SDL starts, unless a Plug step attaches it later.
enum Move { Stick = 100, End_Game, Plug, Unplug };
struct Step { int input, value = 0; };
// seen: Game_Mode, Key_State and "+" while a dialog is open, first and after each step.
struct Pad_Row : Named_Row { Scene scene; std::vector<Step> steps; const char* seen; };

namespace {
bool comes_true(const std::function<bool()>& condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return condition();
}
std::string state() { return std::to_string(Game_Mode) + ":" + Key_State + (shown<Game_Dialog>() ? "+" : ""); }

class Controller : public testing::TestWithParam<Pad_Row> {};
TEST_P(Controller, Plays_As_The_Keys_It_Stands_For)
{
    const Pad_Row& row = GetParam();
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    Reset_Module1();
    Set_Random_Source([] { return 0.5; });
    Wait_Value.fill(0);
    const int32_t score = row.scene == Scene::Playing_Ranked ? 600 : 0;
    Score_Table = {{{"A", 500}, {"B", 300}, {"C", 100}, {"me", score}}};
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
        window.Settings_File = scratch.filePath("Delvano.ini");  // the name dialog saves on closing
        window.show();
        if (row.scene != Scene::Title && row.scene != Scene::Version_Dialog)
            Game_Mode = Mode_Playing, Key_State = "000", window.Show_Play_Look();
        window.Focus_Key_Picture();
        if (row.scene == Scene::Version_Dialog)
            window.mnuH3_Click();
        if (row.steps[0].input != Plug)
            plug();
        window.Watch_Controllers();
        ASSERT_TRUE(comes_true([] { return SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0; }));
        std::string seen = state();
        for (const Step& step : row.steps) {
            if (step.input == End_Game) {
                window.Game_Over();  // then the name dialog, if it opens, has the keyboard
                comes_true([] {
                    return !qobject_cast<Game_Dialog*>(QApplication::activeWindow()) == (state().back() != '+');
                });
            } else if (step.input == Plug) {
                plug();
            } else if (step.input == Unplug) {
                unplug();
                comes_true([] { return !SDL_HasEvent(SDL_CONTROLLERDEVICEREMOVED); });
            } else if (step.input == Stick) {
                SDL_JoystickSetVirtualAxis(pad, 0, Sint16(step.value));  // axis 0: left stick x
                comes_true([&] { return SDL_JoystickGetAxis(pad, 0) == step.value; });
            } else {  // the game has polled once the joystick shows it
                SDL_JoystickSetVirtualButton(pad, step.input, Uint8(step.value));
                comes_true([&] { return SDL_JoystickGetButton(pad, step.input) == step.value; });
            }
            seen += step.input == Plug ? "" : "|" + state();
        }
        EXPECT_EQ(seen, row.seen);
        EXPECT_EQ(Score_Table[Playing_Entry].Name, "me");  // a controller types no name
        if (pad)
            unplug();
    }
    Set_Random_Source(nullptr);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

// Back stands for no key: the game only polls once more with the others as they are.
const int A = SDL_CONTROLLER_BUTTON_A, B = SDL_CONTROLLER_BUTTON_B, Start = SDL_CONTROLLER_BUTTON_START;
const int Back = SDL_CONTROLLER_BUTTON_BACK, Left = SDL_CONTROLLER_BUTTON_DPAD_LEFT;
const int Right = SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
const Pad_Row Pad_Rows[] = {
    {"Start_Starts_A_Game", Scene::Title, {{Start, 1}, {Start, 0}}, "0:|1:000|1:000"},
    {"Dpad_Walks", Scene::Playing, {{Left, 1}, {Left, 0}, {Right, 1}, {Right, 0}},
     "1:000|1:010|1:000|1:001|1:000"},
    {"Stick_Walks_Past_Half_Way", Scene::Playing,
     {{Stick, -16000}, {Stick, -17000}, {Stick, -12500}, {Stick, -12000}, {Stick, 32767}, {Stick, 0}},
     "1:000|1:000|1:010|1:010|1:000|1:001|1:000"},
    {"Dpad_And_Stick_Hold_Left_Together", Scene::Playing,
     {{Left, 1}, {Stick, -20000}, {Left, 0}, {Stick, 0}}, "1:000|1:010|1:010|1:010|1:000"},
    {"A_Digs", Scene::Playing, {{A, 1}, {A, 0}}, "1:000|1:100|1:000"},
    {"B_Closes_The_Version_Dialog", Scene::Version_Dialog, {{B, 1}, {B, 0}}, "0:+|0:|0:"},
    {"A_Held_Through_The_Ending_Starts_Nothing", Scene::Playing,
     {{A, 1}, {End_Game}, {Back, 1}, {A, 0}}, "1:000|1:100|0:100|0:100|0:100"},
    {"A_Held_Into_The_Name_Dialog_Types_Nothing_Start_Confirms", Scene::Playing_Ranked,
     {{A, 1}, {End_Game}, {Back, 1}, {A, 0}, {Start, 1}}, "1:000|1:100|2:000+|2:000+|2:000+|3:000"},
    {"Attached_After_Start_Walks", Scene::Playing, {{Plug}, {Right, 1}}, "1:000|1:001"},
    {"Unplugged_While_Digging_Lets_Go", Scene::Playing, {{A, 1}, {Unplug}}, "1:000|1:100|1:000"},
};
INSTANTIATE_TABLE(Table, Controller, Pad_Rows);
}  // namespace
