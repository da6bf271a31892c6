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
    case Pad_Input::Dpad_Up:
    case Pad_Input::Dpad_Down:
    case Pad_Input::Stick_Up:
    case Pad_Input::Stick_Down: return 0;
    // Nothing to a game, but a key on the title look and after a game.
    default: return Key_Code_Other;
    }
}

Stick_Side Stick_Side_After(Stick_Side side, int value)
{
    if (value <= -Stick_Take)
        return Stick_Side::Low;
    if (value >= Stick_Take)
        return Stick_Side::High;
    const bool held = (side == Stick_Side::Low && value <= -Stick_Let_Go)
                      || (side == Stick_Side::High && value >= Stick_Let_Go);
    return held ? side : Stick_Side::Centre;
}

std::optional<Key_Change> Controller_Keys::Press(int pad, Pad_Input input, Pad_Window window)
{
    const int key_code = Pad_Key_Code(input, window);
    if (key_code == 0 && window == Pad_Window::Dialog)
        return Key_Change{0, true, input};
    if (key_code == 0 || !pressed_.emplace(std::pair(pad, input), key_code).second)
        return std::nullopt;
    if (holders_[key_code]++ > 0)
        return std::nullopt;
    return Key_Change{key_code, true, input};
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
    return Key_Change{key_code, false, input};
}

std::vector<Key_Change> Controller_Keys::Move_Stick(int pad, bool y_axis, int value, Pad_Window window)
{
    Stick_Side& side = sticks_[std::pair(pad, y_axis)];
    const Stick_Side now = Stick_Side_After(side, value);
    std::vector<Key_Change> changes;
    if (now == side)
        return changes;
    const auto input_of = [y_axis](Stick_Side s) {
        if (y_axis)
            return s == Stick_Side::Low ? Pad_Input::Stick_Up : Pad_Input::Stick_Down;
        return s == Stick_Side::Low ? Pad_Input::Stick_Left : Pad_Input::Stick_Right;
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
