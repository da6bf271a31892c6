// The game thinks in the key codes of its first platform: Z is 90, the arrows 37 to 40.
#pragma once

class QKeyEvent;

inline constexpr int Key_Code_Z = 90;
inline constexpr int Key_Code_Left = 37;
inline constexpr int Key_Code_Right = 39;

// Letters and digits map to their ASCII capitals, the arrows to 37..40; every other key gets a
// code that means nothing to the game but still counts as "a key" on the title look.
int Virtual_Key_Code(const QKeyEvent& event);
