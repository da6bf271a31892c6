#include "core/controller_keys.h"

#include "core/key_codes.h"

int Pad_Key_Code(Pad_Input input, Pad_Window window)
{
    if (window == Pad_Window::Dialog) {
        switch (input) {
        case Pad_Input::A:
        case Pad_Input::Start: return Key_Code_Enter;
        case Pad_Input::B: return Key_Code_Escape;
        default: return 0;
        }
    }
    if (window != Pad_Window::Game_Window)
        return 0;
    switch (input) {
    case Pad_Input::A: return Key_Code_Z;
    case Pad_Input::Dpad_Left:
    case Pad_Input::Stick_Left: return Key_Code_Left;
    case Pad_Input::Dpad_Right:
    case Pad_Input::Stick_Right: return Key_Code_Right;
    // Nothing to a game, but a key on the title look and after a game.
    default: return Key_Code_Other;
    }
}

Stick_Side Stick_Side_After(Stick_Side side, int axis_x)
{
    if (axis_x <= -Stick_Take)
        return Stick_Side::Left;
    if (axis_x >= Stick_Take)
        return Stick_Side::Right;
    const bool held = (side == Stick_Side::Left && axis_x <= -Stick_Let_Go)
                      || (side == Stick_Side::Right && axis_x >= Stick_Let_Go);
    return held ? side : Stick_Side::Centre;
}

std::optional<Key_Change> Controller_Keys::Press(int pad, Pad_Input input, Pad_Window window)
{
    const int key_code = Pad_Key_Code(input, window);
    if (key_code == 0 || !pressed_.emplace(std::pair(pad, input), key_code).second)
        return std::nullopt;
    if (holders_[key_code]++ > 0)
        return std::nullopt;
    return Key_Change{key_code, true};
}

std::optional<Key_Change> Controller_Keys::Release(int pad, Pad_Input input)
{
    const auto held = pressed_.find(std::pair(pad, input));
    if (held == pressed_.end())
        return std::nullopt;
    const int key_code = held->second;
    pressed_.erase(held);
    if (--holders_[key_code] > 0)
        return std::nullopt;
    return Key_Change{key_code, false};
}

std::vector<Key_Change> Controller_Keys::Move_Stick(int pad, int axis_x, Pad_Window window)
{
    Stick_Side& side = sticks_[pad];
    const Stick_Side now = Stick_Side_After(side, axis_x);
    std::vector<Key_Change> changes;
    if (now == side)
        return changes;
    const auto input_of = [](Stick_Side s) {
        return s == Stick_Side::Left ? Pad_Input::Stick_Left : Pad_Input::Stick_Right;
    };
    if (side != Stick_Side::Centre)
        if (auto change = Release(pad, input_of(side)))
            changes.push_back(*change);
    if (now != Stick_Side::Centre)
        if (auto change = Press(pad, input_of(now), window))
            changes.push_back(*change);
    side = now;
    return changes;
}
