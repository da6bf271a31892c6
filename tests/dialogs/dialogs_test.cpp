// The three dialogs as the player meets them: tiles, words, a new high score, the wait presets.
#include "dialogs/form2.h"
#include "dialogs/form4.h"
#include "display/palette.h"
#include "state/module1.h"
#include "support/look.h"
#include "support/table.h"

#include <QKeyEvent>
#include <QPointer>

#include <gtest/gtest.h>

#include <array>

namespace {
// The corners show the texture of sheet cell (x, y), tiled from the top-left corner.
void expect_tiled(const QImage& shot, int x, int y)
{
    for (QPoint p : {QPoint(0, 0), QPoint(shot.width() - 1, shot.height() - 1)})
        EXPECT_EQ(shot.pixel(p), sheet_cell(x, y).pixel(p.x() % 16, p.y() % 16)) << p.x() << "," << p.y();
}

// Against the table 500, 300, 100: what the dialog says, after some ticks the congratulation's colour
// (invalid: the toolkit's own) and the left dancer, the name typed, the key closing it, the table after.
struct Score_Row : Named_Row {
    int32_t score; const char* said; int ticks; QColor colour; int dancer_top, dancer_x; const char *typed, *table;
    Qt::Key closing = Qt::Key_Return; };
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
    const QString said =
        dialog->Label1[0]->text() + "|" + dialog->Label2[0]->text() + "|" + dialog->Label2[1]->text();
    EXPECT_EQ(said.toStdString(), row.said);
    if (*row.typed)  // over the name offered, selected
        dialog->Text1->insert(QString::fromUtf8(row.typed));
    QKeyEvent closing(QEvent::KeyPress, row.closing, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog->Text1, &closing);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::string table;
    for (int i = 0; i < 3; ++i)
        table += Score_Table[i].Name + " " + std::to_string(Score_Table[i].Score) + ",";
    EXPECT_EQ(table, row.table);
}
const Score_Row Score_Rows[] = {
    {"first", 600, "ハイスコアおめでとう！|１位|６００ｐ", 1, Yellow, -12, 112, "Mio", "Mio 600,A 500,B 300,"},
    {"tie_with_the_first", 500, "スコア更新おめでとう！|２位|５００ｐ", 10, White, 16, 96, "", "A 500,last 500,B 300,"},
    {"tie_with_the_second", 300, "スコア更新おめでとう！|３位|３００ｐ", 0, {}, -16, 112, "ABCDEFGHIJKL", "A 500,B 300,ABCDEFGHIJ 300,"},
    {"third", 101, "スコア更新おめでとう！|３位|１０１ｐ", 11, Yellow, 16, 112, "", "A 500,B 300,last 101,"},
    {"second_closed_by_esc", 301, "スコア更新おめでとう！|２位|３０１ｐ", 12, Orange, 16, 64, "Mio",
     "A 500,Mio 301,B 300,", Qt::Key_Escape},
    // Another copy saved better scores while the ending ran: none of them is pushed out.
    {"no_longer_ranks", 100, "スコア更新おめでとう！|４位|１００ｐ", 0, {}, -16, 112, "Mio", "A 500,B 300,C 100,"},
};
INSTANTIATE_TABLE(Table, High_Score, Score_Rows);

using Positions = std::array<int32_t, Wait_Slot_Count>;
const Positions Applied = {20, 6, 7, 8, 9, 10, 0};  // the sliders reach 20 at the right end
// The sliders and preview timers' intervals (ms) a drop-down entry loads; applied, a slider moved a
// step right, revert brings back what was applied; close closes.
struct Preset_Row : Named_Row { int entry; Positions positions, intervals; };
class Wait_Preset : public testing::TestWithParam<Preset_Row> {};
TEST_P(Wait_Preset, Loads_Sliders_And_Preview_Speeds_That_Only_Apply_Keeps)
{
    Wait_Value = Applied;
    QPointer<Form2> dialog = new Form2(nullptr);
    const QImage shot = seen(*dialog);
    expect_tiled(shot, 144, 0);
    EXPECT_GT(pixels_of(shot, {16, 184, 360, 30}, White), 4);  // the notes
    const Preset_Row& row = GetParam();
    dialog->Combo1->setCurrentIndex(row.entry);
    emit dialog->Combo1->activated(row.entry);
    Positions intervals;
    const auto sliders = [&] {
        Positions values;
        for (int slot = 0; slot < Wait_Slot_Count; ++slot)
            values[slot] = dialog->HScroll1[slot]->value(), intervals[slot] = dialog->Timer[slot]->interval();
        return values;
    };
    EXPECT_EQ(sliders(), row.positions);
    EXPECT_EQ(intervals, row.intervals);
    EXPECT_EQ(Wait_Value, Applied);
    dialog->Command1[1]->click();  // apply
    EXPECT_EQ(Wait_Value, row.positions);
    dialog->HScroll1[1]->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(dialog->HScroll1[1]->value(), row.positions[1] + 1);
    dialog->Command1[0]->click();  // revert
    EXPECT_EQ(sliders(), row.positions);
    dialog->Command1[2]->click();  // close
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}
const Positions Fast = {2, 4, 2, 2, 1, 2, 2}, Fast_Ms = {100, 200, 100, 100, 50, 100, 100};
const Preset_Row Preset_Rows[] = {
    {"user", 0, Applied, {1000, 300, 350, 400, 450, 500, 1}},
    {"machine_200MHz", 1, {0, 2, 0, 0, 0, 0, 0}, {1, 100, 1, 1, 1, 1, 1}},
    {"machine_400MHz", 2, {1, 3, 2, 1, 0, 1, 2}, {50, 150, 100, 50, 1, 50, 100}},
    {"machine_800MHz", 3, Fast, Fast_Ms}, {"machine_1_2GHz", 4, Fast, Fast_Ms},
    {"machine_1_8GHz", 5, Fast, Fast_Ms}, {"machine_2_4GHz", 6, Fast, Fast_Ms},
};
INSTANTIATE_TABLE(Table, Wait_Preset, Preset_Rows);
}  // namespace
