// Each dialog as it opens: its texture tiled from the client area's corner to the far edges, and
// its words in their colours over it.
#include <functional>
#include <memory>
#include <ostream>

#include <gtest/gtest.h>

#include "core/module1.h"
#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/form4.h"
#include "display/look.h"

namespace {

struct Look_Row {
    const char* name;
    std::function<QWidget*(QWidget*)> open;
    int tile_x, tile_y;  // the texture's sheet cell
    QRect words;
    QColor colour;
};

void PrintTo(const Look_Row& row, std::ostream* os) { *os << row.name; }

class Dialog_Look : public testing::TestWithParam<Look_Row> {};

TEST_P(Dialog_Look, Tiles_And_Words)
{
    const Look_Row& row = GetParam();
    Reset_Module1();
    Score_Table[3].Score = 10;
    QWidget owner;
    std::unique_ptr<QWidget> dialog(row.open(&owner));
    dialog->show();
    const QImage shot = seen(*dialog);
    const QImage tile = sheet_cell(row.tile_x, row.tile_y);
    const int right = shot.width() - 1, bottom = shot.height() - 1;
    for (QPoint p : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        EXPECT_EQ(shot.pixel(p), tile.pixel(p.x() % 16, p.y() % 16)) << p.x() << "," << p.y();
    EXPECT_GT(pixels_of(shot, row.words, row.colour), 10);
}

template <typename Dialog>
QWidget* open(QWidget* owner)
{
    return new Dialog(owner);
}

INSTANTIATE_TEST_SUITE_P(Table, Dialog_Look, testing::Values(
    Look_Row{"wait_headings", open<Form2>, 144, 0, {16, 16, 300, 13}, Qt::white},
    Look_Row{"wait_rows", open<Form2>, 144, 0, {40, 34, 52, 133}, Qt::white},
    Look_Row{"version_name", open<Form3>, 144, 16, {64, 21, 80, 21}, QColor(255, 255, 0)},
    Look_Row{"version_shadow", open<Form3>, 144, 16, {65, 22, 80, 21}, QColor(0, 64, 0)},
    Look_Row{"version_address", open<Form3>, 144, 16, {16, 122, 193, 13}, QColor(0, 255, 0)},
    Look_Row{"version_credit", open<Form3>, 144, 16, {40, 152, 143, 13}, QColor(255, 255, 0)},
    Look_Row{"high_score_captions", open<Form4>, 128, 16, {16, 46, 40, 49}, QColor(255, 255, 0)},
    Look_Row{"high_score_place", open<Form4>, 128, 16, {56, 46, 60, 31}, Qt::white}));

}  // namespace
