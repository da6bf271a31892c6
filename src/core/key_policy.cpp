#include "core/key_policy.h"

#include "core/key_codes.h"
#include "state/module1.h"

int Flag_Position(int key_code)
{
    switch (key_code) {
    case Key_Code_Z: return Key_Dig;
    case Key_Code_Left: return Key_Left;
    case Key_Code_Right: return Key_Right;
    default: return 0;
    }
}

bool Is_Any_Key(const Key_Event& key)
{
    // A held key that outlived a game would otherwise start the next one by itself, and Alt
    // opens the menus. A modifier or a lock key alone changes how other keys type; it is no key
    // of its own.
    if (key.auto_repeat || key.alt_held)
        return false;
    switch (key.key_code) {
    case Key_Code_Shift:
    case Key_Code_Control:
    case Key_Code_Alt:
    case Key_Code_Windows:
    case Key_Code_Caps_Lock:
    case Key_Code_Num_Lock:
    case Key_Code_Scroll_Lock:
        return false;
    default:
        return true;
    }
}

Key_Effect Key_Down_Effect(Key_Target target, const Key_Event& key)
{
    if (target == Key_Target::Picture5)
        return Is_Any_Key(key) ? Key_Effect::Start_Game : Key_Effect::None;
    switch (key.game_mode) {
    case Mode_Playing:
        return Flag_Position(key.key_code) ? Key_Effect::Hold_Flag : Key_Effect::None;
    case Mode_Game_Over:
        return Key_Effect::None;
    default:
        return Is_Any_Key(key) ? Key_Effect::Start_Game : Key_Effect::None;
    }
}

Key_Effect Key_Up_Effect(Key_Target target, const Key_Event& key)
{
    // The toolkit's auto-repeat sends release/press pairs; only a real release lets go.
    if (target != Key_Target::Picture2 || key.game_mode != Mode_Playing || key.auto_repeat)
        return Key_Effect::None;
    return Flag_Position(key.key_code) ? Key_Effect::Drop_Flag : Key_Effect::None;
}
