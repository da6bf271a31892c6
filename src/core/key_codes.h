// The game thinks in the key codes of its first platform: Z is 90, the arrows 37 to 40.
#pragma once

class QKeyEvent;

inline constexpr int Key_Code_Z = 90;
inline constexpr int Key_Code_Left = 37;
inline constexpr int Key_Code_Right = 39;
inline constexpr int Key_Code_Enter = 13;
inline constexpr int Key_Code_Escape = 27;
inline constexpr int Key_Code_Shift = 16;
inline constexpr int Key_Code_Control = 17;
inline constexpr int Key_Code_Alt = 18;
inline constexpr int Key_Code_Windows = 91;

// Letters and digits map to their ASCII capitals, the arrows to 37..40, the modifiers to their
// own codes; every other key gets a
// code that means nothing to the game but still counts as "a key" on the title look.
int Virtual_Key_Code(const QKeyEvent& event);

// Whether a key event comes from the keyboard's own repeat. An X server sends each repeat as a
// release and a press with the same time stamp, and the toolkit does not always pair them up, so
// every key release must pass through here too.
bool Is_Auto_Repeat(const QKeyEvent& event);
