// The game thinks in the key codes of its first platform: Z is 90, the arrows 37 to 40.
#pragma once

inline constexpr int Key_Code_Enter = 13;
inline constexpr int Key_Code_Shift = 16;
inline constexpr int Key_Code_Control = 17;
inline constexpr int Key_Code_Alt = 18;
inline constexpr int Key_Code_Caps_Lock = 20;
inline constexpr int Key_Code_Escape = 27;
inline constexpr int Key_Code_Space = 32;
inline constexpr int Key_Code_Left = 37;
inline constexpr int Key_Code_Up = 38;
inline constexpr int Key_Code_Right = 39;
inline constexpr int Key_Code_Down = 40;
inline constexpr int Key_Code_0 = 48;  // the digits follow in order
inline constexpr int Key_Code_A = 65;  // the letters follow in order
inline constexpr int Key_Code_Z = 90;
inline constexpr int Key_Code_Windows = 91;
inline constexpr int Key_Code_Num_Lock = 144;
inline constexpr int Key_Code_Scroll_Lock = 145;
// A key the game has no code for: nothing to the game, but still "a key" on the title look.
inline constexpr int Key_Code_Other = 255;
