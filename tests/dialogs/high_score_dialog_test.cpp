// The high-score dialog: where a new score goes and what the dialog says of it, the name kept
// by each way of closing, and tick by tick the flashing congratulation and the two dancers.
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPointer>

#include "core/module1.h"
#include "dialogs/form4.h"
#include "display/look.h"

namespace {

void key(QWidget* target, Qt::Key code, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
}

std::string table_text()
{
    std::string text;
    for (int i = 0; i < 3; ++i)
        text += Score_Table[i].Name + " " + std::to_string(Score_Table[i].Score) + (i < 2 ? ", " : "");
    return text;
}

enum class Close { Enter, Button, Close_Box };

struct Entry_Row {
    const char* name;
    int32_t score;  // against 500, 300 and 100
    const char* typed;
    Close by;
    const char* congratulation;
    const char* place;
    const char* score_text;
    const char* table;
};

void PrintTo(const Entry_Row& row, std::ostream* os) { *os << row.name; }

class High_Score_Entry : public testing::TestWithParam<Entry_Row> {};

TEST_P(High_Score_Entry, Takes_Its_Place_And_Keeps_The_Name)
{
    const Entry_Row& row = GetParam();
    Reset_Module1();
    Score_Table = {Score_Entry{"A", 500}, {"B", 300}, {"C", 100}, {"last", row.score}};
    QWidget owner;
    QPointer<Form4> dialog = new Form4(&owner);
    QCoreApplication::processEvents();
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_EQ(dialog->Label1[0]->text().toStdString(), row.congratulation);
    EXPECT_EQ(dialog->Label2[0]->text().toStdString(), row.place);
    EXPECT_EQ(dialog->Label2[1]->text().toStdString(), row.score_text);
    EXPECT_EQ(dialog->Text1->selectedText(), QStringLiteral("last"));
    for (QChar c : QString::fromUtf8(row.typed))
        key(dialog->Text1, Qt::Key_A, c);
    if (row.by == Close::Enter)
        key(dialog->Text1, Qt::Key_Return);
    else if (row.by == Close::Button)
        dialog->Command1->click();
    else
        dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(dialog);
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(Game_Mode, 3);
    EXPECT_EQ(table_text(), row.table);
}

INSTANTIATE_TEST_SUITE_P(Table, High_Score_Entry, testing::Values(
    Entry_Row{"above_first", 600, "Mio", Close::Enter, "ハイスコアおめでとう！", "１位", "６００ｐ",
              "Mio 600, A 500, B 300"},
    Entry_Row{"equal_first", 500, "Mio", Close::Button, "スコア更新おめでとう！", "２位", "５００ｐ",
              "A 500, Mio 500, B 300"},
    Entry_Row{"above_second", 301, "", Close::Enter, "スコア更新おめでとう！", "２位", "３０１ｐ",
              "A 500, last 301, B 300"},
    Entry_Row{"equal_second", 300, "Mio", Close::Close_Box, "スコア更新おめでとう！", "３位",
              "３００ｐ", "A 500, B 300, Mio 300"},
    Entry_Row{"ten_letters", 101, "ABCDEFGHIJKL", Close::Enter, "スコア更新おめでとう！", "３位",
              "１０１ｐ", "A 500, B 300, ABCDEFGHIJ 101"}));

struct Tick_Row {
    int ticks;
    QColor congratulation;  // invalid: still the toolkit's own colour
    int dancer_top;
    int dancer_sheet_x;     // of the cheering frame and its mask
};

void PrintTo(const Tick_Row& row, std::ostream* os) { *os << "tick_" << row.ticks; }

// The tiles behind the box at (left, top), cut by the mask and filled with the sprite.
QImage dancer(int left, int top, int sheet_x)
{
    const QImage sheet = shipped("sheet");
    QImage want(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb tile = sheet.pixel(128 + (left + x) % 16, 16 + (top + y + 32) % 16);
            want.setPixel(x, y, (tile & sheet.pixel(sheet_x + x, 80 + y)) | sheet.pixel(sheet_x + x, 64 + y));
        }
    return want;
}

class High_Score_Tick : public testing::TestWithParam<Tick_Row> {};

TEST_P(High_Score_Tick, Colours_The_Congratulation_And_Moves_The_Dancers)
{
    const Tick_Row& row = GetParam();
    Reset_Module1();
    Score_Table[3].Score = 10;
    QWidget owner;
    Form4 dialog(&owner);
    dialog.Timer1->stop();
    for (int tick = 0; tick < row.ticks; ++tick)
        dialog.Timer1_Timer();
    const QImage shot = seen(dialog);
    // Clear of the right dancer, which wears yellow too.
    const QRect words(35, 18, 130, 13);
    for (QColor colour : {QColor(255, 128, 0), QColor(255, 255, 0), QColor(255, 255, 255)}) {
        if (colour == row.congratulation)
            EXPECT_GT(pixels_of(shot, words, colour), 10) << colour.name().toStdString();
        else
            EXPECT_EQ(pixels_of(shot, words, colour), 0) << colour.name().toStdString();
    }
    for (int left : {16, 168})
        EXPECT_EQ(differing(shot, {left, row.dancer_top},
                            dancer(left, row.dancer_top, row.dancer_sheet_x)), 0) << left;
}

const QColor Orange(255, 128, 0), Yellow(255, 255, 0), White(255, 255, 255);

INSTANTIATE_TEST_SUITE_P(Table, High_Score_Tick, testing::Values(
    Tick_Row{0, QColor(), -16, 112}, Tick_Row{1, Yellow, -12, 112}, Tick_Row{2, White, -8, 112},
    Tick_Row{3, Yellow, -4, 112}, Tick_Row{4, Orange, 0, 112}, Tick_Row{8, Orange, 16, 112},
    Tick_Row{9, Yellow, 16, 80}, Tick_Row{10, White, 16, 96}, Tick_Row{11, Yellow, 16, 112},
    Tick_Row{12, Orange, 16, 64}));

}  // namespace
