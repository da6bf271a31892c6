// The status panel after a refresh: every text of the panel, and the hearts and clovers, ten to
// a line, each at its own place over the box.
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "core/module1.h"
#include "display/form1.h"
#include "display/look.h"

namespace {

struct Panel_Row {
    const char* name;
    int32_t life, type, uses, score;
    const char* life_text;
    const char* uses_text;
    const char* shovel_text;
    const char* score_text;
    // The first seven places of each line, '|' between the lines (the count covers the rest).
    const char* hearts;
    const char* clovers;
};

void PrintTo(const Panel_Row& row, std::ostream* os) { *os << row.name; }

// mark where the icon lies on the box, '.' where the bare box shows, '?' for anything else.
std::string icons_seen(const QImage& shot, int first_y, int sheet_x, char mark)
{
    const QImage sheet = shipped("sheet"), back = shipped("background");
    std::string places;
    for (int k = 0; k < 14; ++k) {
        const QPoint at(299 + 7 * (k % 7), first_y + 7 * (k / 7));
        const QImage box = back.copy(QRect(at, QSize(7, 6)));
        QImage icon = box;
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 7; ++x)
                if (sheet.pixel(sheet_x + x, 6 + y) == qRgb(255, 255, 255))  // the silhouette
                    icon.setPixel(x, y, sheet.pixel(sheet_x + x, y));
        places += differing(shot, at, icon) == 0 ? mark : differing(shot, at, box) == 0 ? '.' : '?';
        if (k == 6)
            places += '|';
    }
    return places;
}

class Status_Panel : public testing::TestWithParam<Panel_Row> {};

TEST_P(Status_Panel, Shows_The_Row)
{
    const Panel_Row& row = GetParam();
    Reset_Module1();
    Form1 window;
    window.show();
    // Full rows first: a stale icon or text would show through.
    Life = 20, Shovel_Type = 3, Shovel_Uses = 20;
    window.States_Refresh();
    Score_Table = {Score_Entry{"ほりこ", 1234567}, {"", 56}, {"Ｚ", 0}, {"", row.score}};
    Life = row.life, Shovel_Type = row.type, Shovel_Uses = row.uses;
    window.States_Refresh();
    const QImage shot = seen(*window.Client);

    auto text = [&](int label) { return window.Label1[label]->text().toStdString(); };
    EXPECT_EQ(text(0), row.score_text);
    EXPECT_EQ(text(1), row.life_text);
    EXPECT_EQ(text(2), row.uses_text);
    EXPECT_EQ(text(3), row.shovel_text);
    const char* table[6] = {"１２３４５６７", "ほりこ", "５６", "", "０", "Ｚ"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(text(4 + i), table[i]) << "label " << 4 + i;
    EXPECT_EQ(icons_seen(shot, 27, 128, 'H'), row.hearts);
    EXPECT_EQ(icons_seen(shot, 47, 135, 'C'), row.clovers);
}

INSTANTIATE_TEST_SUITE_P(Table, Status_Panel, testing::Values(
    Panel_Row{"nothing", 0, 0, 0, 0, "０", "－", "ノーマルスコップ", "０", ".......|.......",
              ".......|......."},
    Panel_Row{"erase", 3, 1, 5, 7, "３", "５", "イレーススコップ", "７", "HHH....|.......",
              "CCCCC..|......."},
    Panel_Row{"long", 10, 3, 10, 80, "１０", "１０", "ロングスコップ", "８０", "HHHHHHH|.......",
              "CCCCCCC|......."},
    Panel_Row{"power", 11, 2, 15, 1234, "１１", "１５", "パワースコップ", "１２３４",
              "HHHHHHH|H......", "CCCCCCC|CCCCC.."},
    Panel_Row{"large", 20, 4, 20, 9876543, "２０", "２０", "ラージスコップ", "９８７６５４３",
              "HHHHHHH|HHHHHHH", "CCCCCCC|CCCCCCC"},
    Panel_Row{"unknown_shovel", 1, 7, 2, 5, "１", "２０", "ロングスコップ", "５", "H......|.......",
              "CC.....|......."}));

}  // namespace
