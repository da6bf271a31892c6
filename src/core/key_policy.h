// What a key event on the game window's pictures means, decided from the game mode alone, so
// the handlers only carry it out.
#pragma once

// The picture holding the keyboard focus: the digger box during and after a game, the title
// picture before the first one.
enum class Key_Target { Picture2, Picture5 };

enum class Key_Effect {
    None,
    Start_Game,  // the new game command
    Hold_Flag,   // that key's position of Key_State becomes "1"
    Drop_Flag,   // and "0"
};

struct Key_Event {
    int game_mode = 0;
    int key_code = 0;         // virtual-key code
    bool auto_repeat = false; // sent by the keyboard's own repeat, not a fresh press
    bool alt_held = false;
};

// The position of the key's flag in Key_State (Key_Dig, Key_Left, Key_Right), 0 for any other
// key.
int Flag_Position(int key_code);

// A fresh press of a key that is neither a modifier nor a lock key and not part of an Alt menu
// gesture: what the title look and an ended game count as "any key".
bool Is_Any_Key(const Key_Event& key);

Key_Effect Key_Down_Effect(Key_Target target, const Key_Event& key);
Key_Effect Key_Up_Effect(Key_Target target, const Key_Event& key);
