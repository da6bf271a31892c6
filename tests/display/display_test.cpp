// The blit's raster operations, pixel by pixel.
#include "display/blit.h"
#include "support/table.h"

#include <gtest/gtest.h>

namespace {

// Source pixel i (x = i % 4, y = i / 4) has the hex digits i, 15 − i, 7 i mod 16 as its red,
// green and blue; the destination starts as 5af. after: the destination's pixels as such digits,
// rows parted by '/', "..." for a pixel left as it was.
struct Blit_Row : Named_Row { Raster op; int dx, dy, w, h, sx, sy; const char* after; };
const Blit_Row Blit_Rows[] = {
    {"copy", Raster::Copy, 1, 1, 2, 2, 0, 0,
     "... ... ... .../... 0f0 1e7 .../... 4bc 5a3 .../... ... ... ..."},
    {"srcand", Raster::And, 1, 1, 2, 2, 1, 2,
     "... ... ... .../... 12f 006 .../... 52b 402 .../... ... ... ..."},
    {"srcpaint", Raster::Paint, 0, 2, 3, 1, 1, 0,
     "... ... ... .../... ... ... .../5ef 7ff 7ef .../... ... ... ..."},
    {"clip_left_top", Raster::Copy, -1, -1, 3, 3, 0, 0,
     "5a3 69a ... .../96f a56 ... .../... ... ... .../... ... ... ..."},
    {"clip_right_bottom", Raster::Copy, 3, 2, 3, 3, 0, 0,
     "... ... ... .../... ... ... .../... ... ... 0f0/... ... ... 4bc"},
    {"clip_source", Raster::Copy, 0, 0, 4, 4, 2, 2,
     "a56 b4d ... .../e12 f09 ... .../... ... ... .../... ... ... ..."},
    {"mirrored", Raster::Copy, 0, 3, -4, 1, 3, 0,
     "... ... ... .../... ... ... .../... ... ... .../3c5 2de 1e7 0f0"},
};

class Blit_Op : public testing::TestWithParam<Blit_Row> {};
TEST_P(Blit_Op, Changes_Exactly_The_Clipped_Rectangle)
{
    const Blit_Row& row = GetParam();
    QImage src(4, 4, QImage::Format_RGB32), dst(4, 4, QImage::Format_RGB32);
    for (int i = 0; i < 16; ++i)
        src.setPixel(i % 4, i / 4, qRgb(0x11 * i, 0x11 * (15 - i), 0x11 * (7 * i % 16)));
    dst.fill(qRgb(0x55, 0xaa, 0xff));
    Blit(dst, src, row.dx, row.dy, row.w, row.h, row.sx, row.sy, row.op);
    std::string after;
    for (int i = 0; i < 16; ++i) {
        const QRgb p = dst.pixel(i % 4, i / 4);
        char digits[4];
        std::snprintf(digits, sizeof digits, "%x%x%x", qRed(p) / 0x11, qGreen(p) / 0x11, qBlue(p) / 0x11);
        EXPECT_EQ(qAlpha(p), 0xff);
        after += std::string(digits) == "5af" ? "..." : digits;
        after += i == 15 ? "" : i % 4 == 3 ? "/" : " ";
    }
    EXPECT_EQ(after, row.after);
}
INSTANTIATE_TABLE(Table, Blit_Op, Blit_Rows);

}  // namespace
