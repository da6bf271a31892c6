// でるぼん — shared game state. Every window and every rule reads and writes these directly;
// nobody keeps a private copy, so a change made anywhere is seen at once everywhere.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct Score_Entry {
    std::string Name;  // UTF-8; empty when the entry holds no high score
    int32_t Score = 0;
};

// 0 title or idle, 1 playing, 2 game-over sequence running, 3 high-score dialog just closed.
inline int32_t Game_Mode = 0;
// The program's folder, always ending in the path separator.
inline std::string App_Dir;
// "0"/"1" per key: position 1 dig (Z), 2 left, 3 right. Empty until the first game.
inline std::string Key_State;
// Sixteen rows of fifteen cell codes "0".."9"; row 0 on top, the digger always in row 1.
inline std::array<std::string, 16> Map_Line;
inline int32_t Digger_Dir = 0;  // 0 left, 1 right
inline int32_t Digger_X = 0;    // 1..15
inline std::string Dig_Mask;    // eight "0"/"1" flags, one per dig position
inline std::string Dig_Codes;   // the code each dug position becomes, "0" where not dug
// Entries 0..2 the high-score table, best first; entry 3 the game being played.
inline std::array<Score_Entry, 4> Score_Table;
inline int32_t Life = 0;         // 0..20
inline int32_t Shovel_Type = 0;  // 0 normal, 1 erase, 2 power, 3 long, 4 large
inline int32_t Shovel_Uses = 0;  // 0..20
inline std::array<int32_t, 7> Wait_Value{};

// Ours: bumped whenever a running animation sequence must give way (a new game starts, the
// window closes). A sequence remembers the value it started under and stops at its next wait
// once the value has moved on, so nothing of an old game leaks into the new one.
inline uint64_t Game_Serial = 0;
// Ours: true while the high-score ending runs and its score has not reached the table yet
// (see Enter_Overtaken_High_Score).
inline bool High_Score_Pending = false;

// Texts are addressed by 1-based character position, as the rules count columns.
inline char Char_At(const std::string& text, int position)
{
    return (position >= 1 && position <= static_cast<int>(text.size())) ? text[position - 1] : '\0';
}

inline void Set_Char(std::string& text, int position, char c)
{
    if (position >= 1 && position <= static_cast<int>(text.size()))
        text[position - 1] = c;
}

// Back to the zeroed storage the program starts with (used by tests between cases).
void Reset_Module1();
