// The game window's field, status panel and cartoon as the player sees them.
#include "game_window/form1.h"
#include "state/module1.h"
#include "state/random_source.h"
#include "support/look.h"

#include <gtest/gtest.h>

namespace {
const QPoint Play_Area(4, 6);
// Every code, and "x", which is none, in every column somewhere; row r + 1 after a scroll.
char code_at(int r, int c) { return "0123456789x"[(4 * r + 3 * c) % 11]; }
struct Tile_Row { char code; int sheet_x; };
void PrintTo(const Tile_Row& row, std::ostream* os) { *os << "code_" << row.code; }
class Play_Look : public testing::TestWithParam<Tile_Row> {};
TEST_P(Play_Look, Cells_Show_The_Tile_Of_Their_Code_Through_A_Fall)
{
    Form1 window;
    auto fill_map = [](int first) {
        for (int i = 0; i < 16 * 15; ++i)
            Map_Line[i / 15].resize(15), Map_Line[i / 15][i % 15] = code_at(i / 15 + first, i % 15);
    };
    auto expect_field = [&](int first) {  // the map row seen at the top of the viewport
        const QImage shot = seen(*window.Client);
        for (int i = 0; i < 14 * 15; ++i)
            if (code_at(i / 15 + first, i % 15) == GetParam().code && i != 15 + 6)
                EXPECT_EQ(differing(shot, Play_Area + QPoint(16 * (i % 15), 16 * (i / 15)),
                                    sheet_cell(GetParam().sheet_x, 96)), 0) << i << " from " << first;
        EXPECT_EQ(differing(shot, Play_Area + QPoint(96, 16), sheet_cell(48, 32)), 0);
    };
    fill_map(0);
    window.Show_Play_Look();
    window.Map_Paint(1);
    window.Paint_Digger(48, 32);
    window.Move_Digger(96, 16);
    fill_map(1);  // the map scrolls, the canvas follows and rests
    window.Map_Paint(0);
    window.Set_Field_Top(0);
    expect_field(1);
    window.Set_Field_Top(-16);  // the next fall shows the new bottom row
    expect_field(2);
}
INSTANTIATE_TEST_SUITE_P(Table, Play_Look, testing::Values(Tile_Row{'0', 0}, Tile_Row{'1', 16},
    Tile_Row{'2', 32}, Tile_Row{'3', 48}, Tile_Row{'4', 64}, Tile_Row{'5', 80}, Tile_Row{'6', 96},
    Tile_Row{'7', 112}, Tile_Row{'8', 128}, Tile_Row{'9', 144}, Tile_Row{'x', 0}));

// Texts: score, life, uses, shovel; icons: hearts then clovers, places 0..6 of each line.
struct Panel_Row { const char* name; int32_t life, type, uses, score; const char *texts, *icons; };
void PrintTo(const Panel_Row& row, std::ostream* os) { *os << row.name; }
class Status_Panel : public testing::TestWithParam<Panel_Row> {};

std::string icons_seen(const QImage& shot)
{
    const QImage sheet = shipped("sheet"), back = shipped("background");
    std::string places;
    for (int k = 0; k < 28; ++k) {
        const QPoint at(299 + 7 * (k % 7), 27 + 7 * (k / 7) + 6 * (k / 14));
        QImage icon = back.copy(QRect(at, QSize(7, 6)));
        const bool bare = differing(shot, at, icon) == 0;
        for (int i = 0, x = 128 + 7 * (k / 14); i < 42; ++i)  // the shape where its silhouette is white
            if (sheet.pixel(x + i % 7, 6 + i / 7) == qRgb(255, 255, 255))
                icon.setPixel(i % 7, i / 7, sheet.pixel(x + i % 7, i / 7));
        places += differing(shot, at, icon) == 0 ? "HC"[k / 14] : bare ? '.' : '?';
        places += k % 7 == 6 && k < 27 ? "|" : "";
    }
    return places;
}
TEST_P(Status_Panel, Shows_The_Row_Beside_The_Title)
{
    const Panel_Row& row = GetParam();
    Reset_Module1();
    Form1 window;
    window.Show_Title_Look();
    Life = 20, Shovel_Type = 3, Shovel_Uses = 20;  // anything stale would show through
    window.States_Refresh();
    Score_Table = {Score_Entry{"ほりこ", 1234567}, {"", 56}, {"Ｚ", 0}, {"", row.score}};
    Life = row.life, Shovel_Type = row.type, Shovel_Uses = row.uses;
    window.States_Refresh();
    std::string texts;
    for (QLabel* label : window.Label1)
        texts += label->text().toStdString() + "|";
    EXPECT_EQ(texts, row.texts + std::string("|１２３４５６７|ほりこ|５６||０|Ｚ|"));
    const QImage shot = seen(*window.Client);
    EXPECT_EQ(icons_seen(shot), row.icons);
    EXPECT_EQ(differing(shot, Play_Area, shipped("title")), 0);
}
INSTANTIATE_TEST_SUITE_P(Table, Status_Panel, testing::Values(
    Panel_Row{"none", 0, 0, 0, 0, "０|０|－|ノーマルスコップ", ".......|.......|.......|......."},
    Panel_Row{"erase", 3, 1, 5, 7, "７|３|５|イレーススコップ", "HHH....|.......|CCCCC..|......."},
    Panel_Row{"long", 10, 3, 10, 80, "８０|１０|１０|ロングスコップ", "HHHHHHH|.......|CCCCCCC|......."},
    Panel_Row{"power", 11, 2, 15, 1234, "１２３４|１１|１５|パワースコップ", "HHHHHHH|H......|CCCCCCC|CCCCC.."},
    Panel_Row{"large", 20, 4, 20, 98765, "９８７６５|２０|２０|ラージスコップ", "HHHHHHH|HHHHHHH|CCCCCCC|CCCCCCC"}));

// Picture7 and Picture8 (sx < 0: unseen), the logo plate's top (99: unseen), white text.
struct Sprite { int left, top, sx, sy; bool mirrored = false; };
struct Banner_Row { const char* name; double u; int ticks, interval; Sprite digger, other; int plate_top; QRect text; };
void PrintTo(const Banner_Row& row, std::ostream* os) { *os << row.name; }
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
INSTANTIATE_TEST_SUITE_P(Table, Banner, testing::Values(
    Banner_Row{"a_item_comes", 0.2, 140, 50, {44, 8, 112, 0}, {84, 8, 96, 96}, 99, {}},
    Banner_Row{"a_hop", 0.2, 176, 100, {52, 7, 112, 64}, None, 99, Mark},
    Banner_Row{"a_on_plate", 0.2, 211, 2000, {52, -10, 144, 80}, None, 7, {}},
    Banner_Row{"b_fall", 0.7, 234, 100, {102, 3, 144, 80, true}, {4, 3, 144, 80}, 2, {}},
    Banner_Row{"b_again", 0.7, 272, 100, {36, 8, 16, 0}, None, 99, Tagline}));
}  // namespace
