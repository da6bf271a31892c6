// What a key does by game mode: one row per case of the key policy the handlers carry out.
#include "core/key_codes.h"
#include "core/key_policy.h"
#include "state/module1.h"
#include "support/table.h"

#include <gtest/gtest.h>

namespace {

// key: mode, code, repeat, Alt
struct Key_Row : Named_Row { Key_Target target; bool down; Key_Event key; Key_Effect effect; };
constexpr Key_Target Digger_Box = Key_Target::Picture2, Title = Key_Target::Picture5;
constexpr int Idle = Mode_Idle, Playing = Mode_Playing, Ending = Mode_Game_Over;
constexpr int Z = Key_Code_Z, Left = Key_Code_Left, Right = Key_Code_Right, H = Key_Code_A + 7;
constexpr Key_Effect None = Key_Effect::None, Start = Key_Effect::Start_Game;
constexpr Key_Effect Hold = Key_Effect::Hold_Flag, Drop = Key_Effect::Drop_Flag;
const Key_Row Key_Rows[] = {
    // Playing: the three keys hold their flags, repeats and Alt included; real releases drop them.
    {"z_holds", Digger_Box, true, {Playing, Z}, Hold},
    {"left_repeat_with_alt_holds", Digger_Box, true, {Playing, Left, true, true}, Hold},
    {"space_does_nothing_in_play", Digger_Box, true, {Playing, Key_Code_Space}, None},
    {"right_released", Digger_Box, false, {Playing, Right}, Drop},
    {"repeat_release_keeps_z", Digger_Box, false, {Playing, Z, true}, None},
    {"ending_ignores_keys", Digger_Box, true, {Ending, Key_Code_Space}, None},
    // Idle, or just after the high-score dialog: only a fresh press of a real key starts a game.
    {"z_starts_after_a_game", Digger_Box, true, {Idle, Z}, Start},
    {"space_starts_after_the_name", Digger_Box, true, {Mode_High_Score_Closed, Key_Code_Space}, Start},
    {"repeat_starts_nothing", Digger_Box, true, {Idle, Z, true}, None},
    {"alt_starts_nothing", Digger_Box, true, {Idle, Key_Code_Alt, false, true}, None},
    {"alt_letter_starts_nothing", Digger_Box, true, {Idle, H, false, true}, None},
    {"shift_starts_nothing", Digger_Box, true, {Mode_High_Score_Closed, Key_Code_Shift}, None},
    {"windows_starts_nothing", Digger_Box, true, {Idle, Key_Code_Windows}, None},
    {"num_lock_starts_nothing", Digger_Box, true, {Idle, Key_Code_Num_Lock}, None},
    // The title picture: in any mode, with the same exceptions.
    {"title_space_starts", Title, true, {Ending, Key_Code_Space}, Start},
    {"title_repeat_starts_nothing", Title, true, {Idle, Z, true}, None},
    {"title_control_starts_nothing", Title, true, {Idle, Key_Code_Control}, None},
    {"title_caps_lock_starts_nothing", Title, true, {Idle, Key_Code_Caps_Lock}, None},
};

class Key_Policy : public testing::TestWithParam<Key_Row> {};
TEST_P(Key_Policy, DecidesWhatTheKeyDoes)
{
    const Key_Row& row = GetParam();
    const Key_Effect effect =
        row.down ? Key_Down_Effect(row.target, row.key) : Key_Up_Effect(row.target, row.key);
    EXPECT_EQ(effect, row.effect);
}
INSTANTIATE_TABLE(Keys, Key_Policy, Key_Rows);

}  // namespace
