// A game controller as the keys it stands for. Which key each button and the left stick press
// depends only on the kind of window that is active, so the keys' own handlers and policy do the
// rest; a key held by two inputs at once (the D-pad and the stick, two controllers) goes down
// with the first and up with the last. In a dialog the inputs that stand for no key still go to
// whatever holds the keyboard, as themselves: the name box enters a name with them.
#pragma once

#include <map>
#include <optional>
#include <utility>
#include <vector>

enum class Pad_Input {
    A, B, X, Y, Start,
    Dpad_Left, Dpad_Right, Dpad_Up, Dpad_Down,
    Stick_Left, Stick_Right, Stick_Up, Stick_Down,
};

// The program's active window: none (another program has the keyboard, or a menu is open), the
// game window, or one of the dialogs.
enum class Pad_Window { None, Game_Window, Dialog };

// The key code an input stands for in that window; 0 for none. Up and down stand for no key:
// on the title look they start no game.
int Pad_Key_Code(Pad_Input input, Pad_Window window);

// The side of an axis the left stick holds (Low: left or up): it takes one past half-way and lets
// go only back inside three eighths, so a stick resting near half-way does not chatter.
enum class Stick_Side { Centre, Low, High };
inline constexpr int Stick_Take = 16384;  // of the axis' 32767
inline constexpr int Stick_Let_Go = 12288;
Stick_Side Stick_Side_After(Stick_Side side, int value);

// A key going down or up; or, with key_code 0, an input that stands for no key pressed in a
// dialog.
struct Key_Change {
    int key_code = 0;
    bool down = false;
    Pad_Input input = Pad_Input::A;
};

class Controller_Keys {
public:
    // A button goes down on controller `pad`: the key press to send, if any. The key is
    // remembered, so its release is that key's even if another window is active by then.
    std::optional<Key_Change> Press(int pad, Pad_Input input, Pad_Window window);
    std::optional<Key_Change> Release(int pad, Pad_Input input);
    // A stick axis moved (x: left is below 0, y: up is): the releases and presses of the sides
    // it left and took.
    std::vector<Key_Change> Move_Stick(int pad, bool y_axis, int value, Pad_Window window);
    // Whether any input holds a key down.
    bool Holding() const { return !pressed_.empty(); }

private:
    std::map<std::pair<int, Pad_Input>, int> pressed_;  // what each held input pressed
    std::map<int, int> holders_;                        // how many inputs hold a key
    std::map<std::pair<int, bool>, Stick_Side> sticks_;  // by controller and axis
};
