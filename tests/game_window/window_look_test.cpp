// The game window as the player sees it and what a key does to it: the field, the status panel,
// the cartoon, where every kind of label's glyphs stand, and keys through the desktop's mapping.
#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/form4.h"
#include "display/palette.h"
#include "game_window/form1.h"
#include "rules/cell_codes.h"
#include "state/module1.h"
#include "state/random_source.h"
#include "support/look.h"
#include "support/table.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {
const QPoint Play_Area(4, 6);
// Every code, and "x", which is none (shown as empty space), in every column; row r + 1 after a scroll.
int kind_at(int r, int c) { return (4 * r + 3 * c) % 11; }
const char Code_Of[] = "0123456789x";
TEST(Play_Look, Cells_Show_The_Tile_Of_Their_Code_Through_A_Fall)
{
    Form1 window;
    auto fill_map = [](int first) {
        for (int i = 0; i < Map_Rows * Field_Columns; ++i)
            Map_Line[i / 15].resize(15), Map_Line[i / 15][i % 15] = Code_Of[kind_at(i / 15 + first, i % 15)];
    };
    auto expect_field = [&](int first) {  // the map row seen at the top of the viewport
        const QImage shot = seen(*window.Client);
        for (int i = 0; i < 14 * 15; ++i) {
            const int kind = kind_at(i / 15 + first, i % 15);
            const QImage cell = i == 15 + 6 ? sheet_cell(48, 32) : sheet_cell(kind % 10 * 16, 96);  // the digger
            EXPECT_EQ(differing(shot, Play_Area + QPoint(16 * (i % 15), 16 * (i / 15)), cell), 0) << Code_Of[kind] << i;
        }
    };
    fill_map(0);
    window.Show_Play_Look(), window.Map_Paint(Map_Paint_Whole);
    window.Paint_Digger(48, 32), window.Move_Digger(96, 16);
    fill_map(1);  // the map scrolls, the canvas follows and rests
    window.Map_Paint(Map_Paint_Scrolled), window.Set_Field_Top(0);
    expect_field(1);
    window.Set_Field_Top(-16);  // the next fall shows the new bottom row
    expect_field(2);
}

// Texts: score, life, uses, shovel; icons: hearts then clovers, places 0..6 of each line.
struct Panel_Row : Named_Row { int32_t life, type, uses, score; const char *texts, *icons; };
class Status_Panel : public testing::TestWithParam<Panel_Row> {};
TEST_P(Status_Panel, Shows_The_Row_Beside_The_Title)
{
    const Panel_Row& row = GetParam();
    Reset_Module1();
    Form1 window;
    window.Show_Title_Look();
    Life = 20, Shovel_Type = Shovel_Long, Shovel_Uses = 20;  // anything stale would show through
    window.States_Refresh();
    Score_Table = {Score_Entry{"ほりこ", 1234567}, {"", 56}, {"Ｚ", 0}, {"", row.score}};
    Life = row.life, Shovel_Type = row.type, Shovel_Uses = row.uses;
    window.States_Refresh();
    std::string texts;
    for (QLabel* label : window.Label1)
        texts += label->text().toStdString() + "|";
    EXPECT_EQ(texts, row.texts + std::string("|１２３４５６７|ほりこ|５６||０|Ｚ|"));
    const QImage shot = seen(*window.Client), back = shipped("background"), sheet = shipped("sheet");
    EXPECT_EQ(differing(shot, Play_Area, shipped("title")), 0);
    // Each place shows a heart or a clover laid over the background exactly there (the white
    // silhouette ORed in, the coloured shape ANDed), the bare background, or something else.
    std::string places;
    for (int k = 0; k < 28; ++k) {
        const QRect place(299 + 7 * (k % 7), 27 + 7 * (k / 7) + 6 * (k / 14), 7, 6);
        places += std::string(k % 7 || !k ? "" : "|") + '?';
        for (auto [mark, sx] : {std::pair('H', 128), {'C', 135}, {'.', -1}}) {
            QImage icon = back.copy(place);
            for (int i = 0, x = 0, y = 0; sx >= 0 && i < 42; x = ++i % 7, y = i / 7)
                icon.setPixel(x, y, (icon.pixel(x, y) | sheet.pixel(sx + x, 6 + y)) & sheet.pixel(sx + x, y));
            places.back() = differing(shot, place.topLeft(), icon) == 0 ? mark : places.back();
        }
    }
    EXPECT_EQ(places, row.icons);
}
const Panel_Row Panel_Rows[] = {
    {"none", 0, Shovel_Normal, 0, 0, "０|０|－|ノーマルスコップ", ".......|.......|.......|......."},
    {"erase", 3, Shovel_Erase, 5, 7, "７|３|５|イレーススコップ", "HHH....|.......|CCCCC..|......."},
    {"long", 10, Shovel_Long, 10, 80, "８０|１０|１０|ロングスコップ", "HHHHHHH|.......|CCCCCCC|......."},
    {"power", 11, Shovel_Power, 15, 1234, "１２３４|１１|１５|パワースコップ", "HHHHHHH|H......|CCCCCCC|CCCCC.."},
    {"large", 20, Shovel_Large, 20, 98765, "９８７６５|２０|２０|ラージスコップ", "HHHHHHH|HHHHHHH|CCCCCCC|CCCCCCC"},
};
INSTANTIATE_TABLE(Table, Status_Panel, Panel_Rows);

// Picture7 and Picture8 (sx < 0: unseen), the logo plate's top (99: unseen), white text.
struct Sprite { int left, top, sx, sy; bool mirrored = false; };
struct Banner_Row : Named_Row { double u; int ticks, interval; Sprite digger, other; int plate_top; QRect text; };
class Banner : public testing::TestWithParam<Banner_Row> {};
TEST_P(Banner, Shows_At_The_Tick)
{
    const Banner_Row& row = GetParam();
    Set_Random_Source([u = row.u] { return u; });  // scene A below one half
    Form1 window;
    window.Timer1->stop();
    for (int tick = 0; tick < row.ticks; ++tick)
        window.Timer1_Timer();
    const QImage box = seen(*window.Picture6);
    Set_Random_Source(nullptr);
    EXPECT_EQ(window.Timer1->interval(), row.interval);
    for (const Sprite& s : {row.digger, row.other})
        if (s.sx >= 0)
            EXPECT_EQ(differing(box, {s.left, s.top}, sheet_cell(s.sx, s.sy).mirrored(s.mirrored, false)), 0);
    if (row.plate_top != 99)
        EXPECT_EQ(differing(box, {21, row.plate_top}, shipped("logo")), 0);
    if (!row.text.isEmpty())
        EXPECT_GT(pixels_of(box, row.text, Qt::white), 4);
}
const Sprite None{0, 0, -1, 0};
const QRect Tagline(52, 11, 68, 13), Mark(36, 0, 16, 13);
const Banner_Row Banner_Rows[] = {
    {"walks_in", 0.2, 10, 100, {84, 8, 16, 0}, None, 99, {100, 11, 20, 13}},
    {"wraps_round", 0.2, 60, 100, {26, 8, 48, 0}, None, 99, {0, 11, 26, 13}},
    {"a_item_comes", 0.2, 140, 50, {44, 8, 112, 0}, {84, 8, 96, 96}, 99, {}},
    {"a_hop", 0.2, 176, 100, {52, 7, 112, 64}, None, 99, Mark},
    {"a_on_plate", 0.2, 211, 2000, {52, -10, 144, 80}, None, 7, {}},
    {"b_fall", 0.7, 234, 100, {102, 3, 144, 80, true}, {4, 3, 144, 80}, 2, {}},
    {"b_again", 0.7, 272, 100, {36, 8, 16, 0}, None, 99, Tagline},
};
INSTANTIATE_TABLE(Table, Banner, Banner_Rows);

// Where the glyphs of each kind of label stand in their window's client area: a face a pixel too
// small, or a label out of place, moves the box. On the status panel the text is what is white;
// on a dialog, what is not its tiled texture (that sheet cell).
enum class Window { Game, Wait_Settings, Version, High_Score };
struct Label_Row : Named_Row { Window window; QRect area, glyphs; QPoint texture = {}; };
QImage client_of(Window window)
{
    Reset_Module1();
    Score_Table = {Score_Entry{"ほりこ", 1234567}, {"", 56}, {"", 0}, {"me", 600}};
    Life = 5, Shovel_Type = Shovel_Power, Shovel_Uses = 15;  // no heart under the life count
    if (window == Window::Game) {
        Form1 game;
        return game.Show_Title_Look(), game.States_Refresh(), seen(*game.Client);
    }
    if (window != Window::High_Score)
        return window == Window::Version ? seen(*Form3(nullptr).Client) : seen(*Form2(nullptr).Client);
    auto* dialog = new Form4(nullptr);  // takes the score into the table, as after a game
    dialog->Timer1->stop();
    const QImage shot = seen(*dialog->Client);
    return dialog->close(), shot;
}
class Label_Text : public testing::TestWithParam<Label_Row> {};
constexpr Window Game = Window::Game, Version = Window::Version;
TEST_P(Label_Text, StandsWhereTheLayoutPutsItAtItsHeight)
{
    const Label_Row& row = GetParam();
    const QImage shot = client_of(row.window), tile = sheet_cell(row.texture.x(), row.texture.y());
    const auto is_text = [&](int x, int y) {
        return row.window == Game ? is_ink(shot.pixelColor(x, y), White)
                                  : shot.pixel(x, y) != tile.pixel(x % 16, y % 16);
    };
    EXPECT_EQ(ink_box(row.area, is_text), row.glyphs);
}
const Label_Row Label_Rows[] = {
    {"score_13", Game, {300, 7, 63, 13}, {340, 9, 22, 9}}, {"life_count_13", Game, {353, 27, 17, 13}, {364, 29, 6, 9}},
    {"shovel_name_13", Game, {252, 64, 116, 13}, {253, 65, 72, 10}},
    {"first_name_13", Game, {252, 142, 116, 13}, {253, 144, 28, 9}},
    {"row_name_13", Window::Wait_Settings, {40, 32, 70, 17}, {40, 34, 48, 13}, {144, 0}},
    {"title_21", Version, {62, 18, 84, 27}, {64, 22, 70, 19}, {144, 16}},
    {"version_16", Version, {146, 24, 62, 21}, {146, 28, 57, 13}, {144, 16}},
    {"place_13", Window::High_Score, {14, 44, 36, 17}, {16, 47, 24, 11}, {128, 16}},
};
INSTANTIATE_TABLE(Table, Label_Text, Label_Rows);

// A key pressed alone and let go as the desktop delivers it to what holds the keyboard, with its X11 key
// code: Game_Mode and Key_State after each, on the title look or the field (after an Esc-closed dialog).
enum Where { Title, Field, After_Dialog };
struct Key_Row : Named_Row { Where where; int mode, key; quint32 place; const char* seen;
    Qt::KeyboardModifiers modifiers = {}; bool repeat = false; };
class Desktop_Key : public testing::TestWithParam<Key_Row> {};
TEST_P(Desktop_Key, StartsAGameOrHoldsTheFlagOfTheKeyItIs)
{
    const Key_Row& row = GetParam();
    Reset_Module1();
    Set_Random_Source([] { return 0.7; });  // an empty map, quickly drawn
    Form1 window;
    row.where == Title ? window.Show_Title_Look() : window.Show_Play_Look();
    Game_Mode = row.mode, Key_State = "000";
    seen(window), window.Focus_Key_Picture();
    std::string state;
    const auto send = [&](QEvent::Type type, int key, quint32 place) {
        QKeyEvent event(type, key, row.modifiers, place, 0, 0, {}, row.repeat);
        if (QWidget* holder = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow())
            QCoreApplication::sendEvent(holder, &event), QCoreApplication::processEvents();
        state += std::to_string(Game_Mode) + ":" + Key_State + " ";
    };
    if (row.where == After_Dialog)
        window.mnuH3_Click(), QCoreApplication::processEvents(), send(QEvent::KeyPress, Qt::Key_Escape, 9);
    send(QEvent::KeyPress, row.key, row.place), send(QEvent::KeyRelease, row.key, row.place);
    Set_Random_Source(nullptr);
    EXPECT_EQ(state, row.seen);
}
constexpr int Idle = Mode_Idle, Playing = Mode_Playing, Ending = Mode_Game_Over, Named = Mode_High_Score_Closed;
constexpr const char *Starts = "1:000 1:000 ", *Plays_On = Starts, *Nothing = "0:000 0:000 ";
constexpr const char* Digs = "1:100 1:000 ";
constexpr auto Shift = Qt::ShiftModifier, Alt = Qt::AltModifier;
const Key_Row Key_Rows[] = {
    // Any key of its own starts a game: on the title look in any mode, on the field after a game.
    {"space", Title, Idle, Qt::Key_Space, 65, Starts}, {"f1", Title, Idle, Qt::Key_F1, 67, Starts},
    {"cyrillic", Title, Idle, 0x42f, 52, Starts}, {"space_in_an_ending", Title, Ending, Qt::Key_Space, 65, Starts},
    {"z_after_a_game", Field, Idle, Qt::Key_Z, 52, Starts}, {"space_after_the_name", Field, Named, Qt::Key_Space, 65, Starts},
    {"repeat", Title, Idle, Qt::Key_Z, 52, Nothing, {}, true}, {"repeat_after_a_game", Field, Idle, Qt::Key_Z, 52, Nothing, {}, true},
    {"shift", Title, Idle, Qt::Key_Shift, 50, Nothing, Shift}, {"shift_after_the_name", Field, Named, Qt::Key_Shift, 50, "3:000 3:000 ", Shift},
    {"alt", Title, Idle, Qt::Key_Alt, 64, Nothing, Alt}, {"alt_h_after_a_game", Field, Idle, Qt::Key_H, 43, Nothing, Alt},
    {"control", Title, Idle, Qt::Key_Control, 37, Nothing, Qt::ControlModifier}, {"alt_gr", Title, Idle, Qt::Key_AltGr, 108, Nothing},
    {"alt_x", Title, Idle, Qt::Key_X, 53, Nothing, Alt}, {"meta", Title, Idle, Qt::Key_Meta, 133, Nothing, Qt::MetaModifier},
    {"left_super", Title, Idle, Qt::Key_Super_L, 133, Nothing}, {"right_super", Title, Idle, Qt::Key_Super_R, 134, Nothing},
    {"caps_lock", Title, Idle, Qt::Key_CapsLock, 66, Nothing}, {"num_lock", Field, Idle, Qt::Key_NumLock, 77, Nothing},
    {"scroll_lock", Title, Idle, Qt::Key_ScrollLock, 78, Nothing}, {"ending", Field, Ending, Qt::Key_Z, 52, "2:000 2:000 "},
    // In play Z digs wherever the layout puts it; on a layout without Latin letters (Russian,
    // Greek, Hebrew, Thai) the key in Z's place does. The arrows walk; a repeat holds on.
    {"qwerty_z", Field, Playing, Qt::Key_Z, 52, Digs}, {"qwertz_z", Field, Playing, Qt::Key_Z, 29, Digs},
    {"cyrillic_ya_in_z_place", Field, Playing, 0x42f, 52, Digs, Shift}, {"greek_zeta_in_z_place", Field, Playing, 0x396, 52, Digs},
    {"hebrew_zayin_in_z_place", Field, Playing, 0x5d6, 52, Digs}, {"thai_pho_phung_in_z_place", Field, Playing, 0xe1c, 52, Digs},
    {"qwertz_y_in_z_place", Field, Playing, Qt::Key_Y, 52, Plays_On}, {"cyrillic_che", Field, Playing, 0x427, 53, Plays_On},
    {"dvorak_semicolon_in_z_place", Field, Playing, Qt::Key_Semicolon, 52, Plays_On},
    {"space_in_play", Field, Playing, Qt::Key_Space, 65, Plays_On}, {"left", Field, Playing, Qt::Key_Left, 113, "1:010 1:000 "},
    {"z_repeat_with_alt", Field, Playing, Qt::Key_Z, 52, "1:100 1:100 ", Alt, true},
    {"z_after_a_dialog", After_Dialog, Playing, Qt::Key_Z, 52, "1:000 1:100 1:000 "},
};
INSTANTIATE_TABLE(Keys, Desktop_Key, Key_Rows);
}  // namespace
