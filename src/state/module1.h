// でるぼん — shared game state. Every window and every rule reads and writes these directly;
// nobody keeps a private copy, so a change made anywhere is seen at once everywhere.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct Score_Entry {
    std::string Name;  // UTF-8; empty when the entry holds no high score
    int32_t Score = 0;
};

// What the main loop and the keys do depends on Game_Mode.
inline constexpr int32_t Mode_Idle = 0;               // the title screen, or after a game
inline constexpr int32_t Mode_Playing = 1;
inline constexpr int32_t Mode_Game_Over = 2;          // the game-over sequence is running
inline constexpr int32_t Mode_High_Score_Closed = 3;  // the name is in; the panel must catch up
inline int32_t Game_Mode = Mode_Idle;
// The program's folder, always ending in the path separator.
inline std::string App_Dir;
// "0"/"1" per key at these positions. Empty until the first game.
inline constexpr int Key_Dig = 1;  // Z
inline constexpr int Key_Left = 2;
inline constexpr int Key_Right = 3;
inline std::string Key_State;
// Sixteen rows of fifteen cell codes "0".."9"; row 0 on top, the digger always in row 1.
// Columns count from 1, as the rows' characters do.
inline constexpr int Map_Rows = 16;
inline constexpr int Field_Columns = 15;
inline std::array<std::string, Map_Rows> Map_Line;
inline constexpr int32_t Facing_Left = 0;
inline constexpr int32_t Facing_Right = 1;
inline int32_t Digger_Dir = Facing_Left;
inline int32_t Digger_X = 0;    // 1..Field_Columns
inline std::string Dig_Mask;    // eight "0"/"1" flags, one per dig position
inline std::string Dig_Codes;   // the code each dug position becomes, "0" where not dug
// Entries 0..2 the high-score table, best first; entry 3 the game being played.
inline constexpr int High_Score_Places = 3;
inline constexpr int Playing_Entry = 3;
inline std::array<Score_Entry, 4> Score_Table;
// What this run did to the high-score table since it last read or wrote the settings file, in
// order. A save replays them on the table it finds on disk, so that what another copy of the
// game saved meanwhile is kept and nothing this run removed comes back.
struct Score_Change {
    enum class Kind { Entered, Named, Cleared };
    Kind kind = Kind::Entered;
    Score_Entry entry;                 // Entered: the new entry; Named: the entry before its name
    Score_Entry out;                   // Entered: the entry it pushed out of the places
    std::string name;                  // Named: the name given
    std::array<Score_Entry, High_Score_Places> table;  // Cleared: the places as they were
};
inline std::vector<Score_Change> Unsaved_Score_Changes;

inline constexpr int32_t Life_Min = 0;  // the game ends when life comes down to it
inline constexpr int32_t Life_Max = 20;
inline constexpr int32_t Life_At_Start = 10;
inline int32_t Life = 0;

inline int32_t Shovel_Type = 0;  // 0 normal, 1 erase, 2 power, 3 long, 4 large
inline constexpr int32_t Shovel_Uses_Min = 0;
inline constexpr int32_t Shovel_Uses_Max = 20;
// A special shovel picked up brings a fresh count from this range, whatever was left.
inline constexpr int32_t New_Shovel_Uses_Min = 10;
inline constexpr int32_t New_Shovel_Uses_Max = 19;
inline int32_t Shovel_Uses = 0;  // meaningful only while Shovel_Type is a special shovel

// Wait_Prog's slots: each paces one kind of animation with a Wait_Value of its own.
inline constexpr int Slot_Walk = 0;            // each slide of a step onto soil
inline constexpr int Slot_Turn = 1;
inline constexpr int Slot_Dig = 2;             // each frame of a dig
inline constexpr int Slot_Step_Into_Hole = 3;  // each slide of a step with no soil below
inline constexpr int Slot_Falling = 4;
inline constexpr int Slot_Landing = 5;
inline constexpr int Slot_Other = 6;           // items, squeezing, the game-over sequence
inline constexpr int Wait_Slot_Count = 7;
inline std::array<int32_t, Wait_Slot_Count> Wait_Value{};

// Bumped whenever a running animation sequence must give way (a new game starts, the
// window closes). A sequence remembers the value it started under and stops at its next wait
// once the value has moved on, so nothing of an old game leaks into the new one.
inline uint64_t Game_Serial = 0;
// True while the high-score ending runs and its score has not reached the table yet
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
