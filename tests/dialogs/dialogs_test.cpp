// The three dialogs as the player meets them: tiles, words, a new high score, the wait presets.
#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/form4.h"
#include "state/module1.h"
#include "support/look.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

#include <array>

namespace {
const QColor Orange(255, 128, 0), Yellow(255, 255, 0), White(255, 255, 255);
// The corners show the texture of sheet cell (x, y), tiled from the top-left corner.
void expect_tiled(const QImage& shot, int x, int y)
{
    for (QPoint p : {QPoint(0, 0), QPoint(shot.width() - 1, shot.height() - 1)})
        EXPECT_EQ(shot.pixel(p), sheet_cell(x, y).pixel(p.x() % 16, p.y() % 16)) << p.x() << "," << p.y();
}

TEST(Version_Look, Name_Over_The_Tiles)
{
    Form3 dialog(nullptr);
    const QImage shot = seen(dialog);
    expect_tiled(shot, 144, 16);
    EXPECT_GT(pixels_of(shot, {64, 21, 80, 21}, Yellow), 4);
}

// Against the table 500, 300, 100: what the dialog says, after some ticks the congratulation's
// colour (invalid: the toolkit's own) and the left dancer, the name typed, the table afterwards.
struct Score_Row { int32_t score; const char* said; int ticks; QColor colour; int dancer_top, dancer_x; const char *typed, *table; };
void PrintTo(const Score_Row& row, std::ostream* os) { *os << "score_" << row.score; }
class High_Score : public testing::TestWithParam<Score_Row> {};
TEST_P(High_Score, Place_Colour_And_Name)
{
    const Score_Row& row = GetParam();
    Score_Table = {Score_Entry{"A", 500}, {"B", 300}, {"C", 100}, {"last", row.score}};
    auto* dialog = new Form4(nullptr);
    dialog->Timer1->stop();
    for (int tick = 0; tick < row.ticks; ++tick)
        dialog->Timer1_Timer();
    const QImage shot = seen(*dialog), sheet = shipped("sheet");
    expect_tiled(shot, 128, 16);
    for (QColor colour : {Orange, Yellow, White})  // clear of the right dancer, yellow too
        EXPECT_EQ(pixels_of(shot, {35, 18, 130, 13}, colour) > 4, colour == row.colour);
    QImage dancer(16, 16, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i) {  // the tiles behind the left one, cut by the mask, the sprite laid in
        const int x = i % 16, y = i / 16, sx = row.dancer_x + x;
        const QRgb tile = sheet.pixel(128 + x, 16 + (row.dancer_top + y + 32) % 16);
        dancer.setPixel(x, y, (tile & sheet.pixel(sx, 80 + y)) | sheet.pixel(sx, 64 + y));
    }
    EXPECT_EQ(differing(shot, {16, row.dancer_top}, dancer), 0);
    EXPECT_EQ((dialog->Label1[0]->text() + "|" + dialog->Label2[0]->text() + "|"
               + dialog->Label2[1]->text()).toStdString(), row.said);
    if (*row.typed)
        dialog->Text1->insert(QString::fromUtf8(row.typed));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QCoreApplication::sendEvent(dialog->Text1, &enter);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::string table;
    for (int i = 0; i < 3; ++i)
        table += Score_Table[i].Name + " " + std::to_string(Score_Table[i].Score) + ",";
    EXPECT_EQ(table, row.table);
}
INSTANTIATE_TEST_SUITE_P(Table, High_Score, testing::Values(
    Score_Row{600, "ハイスコアおめでとう！|１位|６００ｐ", 1, Yellow, -12, 112, "Mio", "Mio 600,A 500,B 300,"},
    Score_Row{500, "スコア更新おめでとう！|２位|５００ｐ", 10, White, 16, 96, "", "A 500,last 500,B 300,"},
    Score_Row{300, "スコア更新おめでとう！|３位|３００ｐ", 0, {}, -16, 112, "ABCDEFGHIJKL", "A 500,B 300,ABCDEFGHIJ 300,"},
    Score_Row{101, "スコア更新おめでとう！|３位|１０１ｐ", 11, Yellow, 16, 112, "", "A 500,B 300,last 101,"},
    Score_Row{301, "スコア更新おめでとう！|２位|３０１ｐ", 12, Orange, 16, 64, "Mio", "A 500,Mio 301,B 300,"}));

using Positions = std::array<int32_t, 7>;
const Positions Applied = {5, 6, 7, 8, 9, 10, 0};
struct Preset_Row { const char* name; int entry; Positions positions; };
void PrintTo(const Preset_Row& row, std::ostream* os) { *os << row.name; }
class Wait_Preset : public testing::TestWithParam<Preset_Row> {};
TEST_P(Wait_Preset, Loads_Sliders_And_Preview_Speeds_That_Only_Apply_Keeps)
{
    Wait_Value = Applied;
    Form2 dialog(nullptr);
    const QImage shot = seen(dialog);
    expect_tiled(shot, 144, 0);
    EXPECT_GT(pixels_of(shot, {16, 184, 360, 30}, White), 4);  // the notes
    const Positions& want = GetParam().positions;
    dialog.Combo1->setCurrentIndex(GetParam().entry);
    emit dialog.Combo1->activated(GetParam().entry);
    for (int slot = 0; slot < 7; ++slot) {
        EXPECT_EQ(dialog.HScroll1[slot]->value(), want[slot]) << slot;
        EXPECT_EQ(dialog.Timer[slot]->interval(), want[slot] == 0 ? 1 : 50 * want[slot]) << slot;
    }
    EXPECT_EQ(Wait_Value, Applied);
    dialog.Command1[1]->click();  // apply
    EXPECT_EQ(Wait_Value, want);
}
INSTANTIATE_TEST_SUITE_P(Table, Wait_Preset, testing::Values(Preset_Row{"user", 0, Applied},
    Preset_Row{"200MHz", 1, {0, 2, 0, 0, 0, 0, 0}}, Preset_Row{"400MHz", 2, {1, 3, 2, 1, 0, 1, 2}},
    Preset_Row{"800MHz", 3, {2, 4, 2, 2, 1, 2, 2}}, Preset_Row{"1_2GHz", 4, {2, 4, 2, 2, 1, 2, 2}},
    Preset_Row{"1_8GHz", 5, {2, 4, 2, 2, 1, 2, 2}}, Preset_Row{"2_4GHz", 6, {2, 4, 2, 2, 1, 2, 2}}));
}  // namespace
