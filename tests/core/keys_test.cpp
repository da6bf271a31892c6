// What a key does by game mode: one row per case of the key policy the handlers carry out.
#include "core/key_codes.h"
#include "core/key_policy.h"

#include <gtest/gtest.h>

struct Key_Row { Key_Target target; bool down; Key_Event key; Key_Effect effect; };  // key: mode, code, repeat, Alt
void PrintTo(const Key_Row& row, std::ostream* out)
{
    *out << (row.target == Key_Target::Picture2 ? "Picture2" : "Picture5") << (row.down ? "Down" : "Up") << "_Mode"
         << row.key.game_mode << "_Key" << row.key.key_code << (row.key.auto_repeat ? "_Repeat" : "") << (row.key.alt_held ? "_Alt" : "");
}

constexpr Key_Target P2 = Key_Target::Picture2, P5 = Key_Target::Picture5;
constexpr int Space = 32, H = 72, Z = Key_Code_Z, Left = Key_Code_Left, Right = Key_Code_Right;
constexpr Key_Effect None = Key_Effect::None, Start = Key_Effect::Start_Game, Hold = Key_Effect::Hold_Flag;
const Key_Row Key_Rows[] = {
    // Playing: the three keys hold their flags, repeats and Alt included; real releases drop them.
    {P2, true, {1, Z, false, false}, Hold}, {P2, true, {1, Left, true, true}, Hold},
    {P2, true, {1, Space, false, false}, None}, {P2, false, {1, Right, false, false}, Key_Effect::Drop_Flag},
    {P2, false, {1, Z, true, false}, None},
    {P2, true, {2, Space, false, false}, None},  // the game-over sequence ignores keys
    // Idle, or just after the high-score dialog: only a fresh press of a real key starts a game.
    {P2, true, {0, Z, false, false}, Start}, {P2, true, {3, Space, false, false}, Start},
    {P2, true, {0, Z, true, false}, None}, {P2, true, {0, Key_Code_Alt, false, true}, None},
    {P2, true, {0, H, false, true}, None}, {P2, true, {3, Key_Code_Shift, false, false}, None},
    {P2, true, {0, Key_Code_Windows, false, false}, None},
    // The title picture: in any mode, with the same exceptions.
    {P5, true, {2, Space, false, false}, Start}, {P5, true, {0, Z, true, false}, None},
    {P5, true, {0, Key_Code_Control, false, false}, None},
};

class Key_Policy : public ::testing::TestWithParam<Key_Row> {};
TEST_P(Key_Policy, DecidesWhatTheKeyDoes)
{
    const Key_Row& row = GetParam();
    EXPECT_EQ(row.down ? Key_Down_Effect(row.target, row.key) : Key_Up_Effect(row.target, row.key), row.effect);
}
INSTANTIATE_TEST_SUITE_P(Rows, Key_Policy, ::testing::ValuesIn(Key_Rows));
