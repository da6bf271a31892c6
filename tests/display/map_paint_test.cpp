// Map drawing: the canvas shows exactly the tiles of map rows 0..14.
#include <gtest/gtest.h>

#include <QImage>

#include "core/module1.h"
#include "display/blit.h"
#include "display/map_paint.h"
#include "display/pictures.h"

namespace {

QImage tile(int code)
{
    return Sheet().copy(16 * code, 96, 16, 16);
}

void set_map(std::initializer_list<const char*> rows)
{
    int r = 0;
    for (const char* row : rows)
        Map_Line[static_cast<size_t>(r++)] = row;
}

// Every canvas cell compared with the tile of its map cell.
void expect_canvas_shows_map(const QImage& canvas)
{
    for (int r = 0; r <= 14; ++r) {
        for (int c = 1; c <= 15; ++c) {
            const char ch = Char_At(Map_Line[static_cast<size_t>(r)], c);
            const int code = (ch >= '0' && ch <= '9') ? ch - '0' : 0;
            ASSERT_EQ(canvas.copy(16 * (c - 1), 16 * r, 16, 16), tile(code))
                << "row " << r << " column " << c;
        }
    }
}

class MapPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        canvas.fill(Qt::red);
        scratch.fill(Qt::green);
        set_map({"000000000000000", "000000000000000", "111111111111111", "012345678912345",
                 "111000111000111", "999888777666555", "123123123123123", "000111000111000",
                 "444444444444444", "101010101010101", "222333222333222", "555555555555555",
                 "666000666000666", "777777777777777", "898989898989898", "333333333333333"});
    }
    QImage canvas{240, 240, QImage::Format_RGB32};
    QImage scratch{240, 224, QImage::Format_RGB32};
};

TEST_F(MapPaint, FullRedrawEqualsTheTilesOfTheMapAndRow15NeverShows)
{
    ::Map_Paint(canvas, scratch, Sheet(), 1);
    expect_canvas_shows_map(canvas);
}

TEST_F(MapPaint, ScrollAfterAShiftEqualsAFullRedrawOfTheShiftedMap)
{
    ::Map_Paint(canvas, scratch, Sheet(), 1);
    for (int r = 1; r <= 15; ++r)
        Map_Line[static_cast<size_t>(r - 1)] = Map_Line[static_cast<size_t>(r)];
    Map_Line[15] = "123456789012345";
    ::Map_Paint(canvas, scratch, Sheet(), 0);
    expect_canvas_shows_map(canvas);
    // The scratch image holds the shifted band: old rows 1..14 at y 0..223, soil in old row 2.
    EXPECT_EQ(scratch.copy(0, 16, 16, 16), tile(1));
}

TEST_F(MapPaint, OtherModesChangeNoPixel)
{
    ::Map_Paint(canvas, scratch, Sheet(), 1);
    const QImage before = canvas.copy();
    ::Map_Paint(canvas, scratch, Sheet(), 2);
    ::Map_Paint(canvas, scratch, Sheet(), -1);
    EXPECT_EQ(canvas, before);
}

TEST_F(MapPaint, ACharacterThatIsNotADigitIsDrawnEmpty)
{
    Map_Line[3] = "1x1 1";  // short and broken: the rest of the row counts as empty too
    ::Map_Paint(canvas, scratch, Sheet(), 1);
    EXPECT_EQ(canvas.copy(16, 48, 16, 16), tile(0));
    EXPECT_EQ(canvas.copy(48, 48, 16, 16), tile(0));
    EXPECT_EQ(canvas.copy(64, 48, 16, 16), tile(1));
    EXPECT_EQ(canvas.copy(224, 48, 16, 16), tile(0));
}

}  // namespace
