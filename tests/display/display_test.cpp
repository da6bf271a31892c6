// The blit's raster operations, pixel by pixel.
#include "display/blit.h"

#include <gtest/gtest.h>

namespace {
// The 4 × 4 destination afterwards ('/' between rows): '.' untouched, source pixel 'a' + x + 4 y by op.
struct Blit_Row { const char* name; Raster op; int dx, dy, w, h, sx, sy; const char* after; };
void PrintTo(const Blit_Row& row, std::ostream* os) { *os << row.name; }
class Blit_Op : public testing::TestWithParam<Blit_Row> {};
TEST_P(Blit_Op, Changes_Exactly_The_Clipped_Rectangle)
{
    const Blit_Row& row = GetParam();
    const QRgb ground = qRgb(0xf0, 0x0f, 0x55);
    QImage src(4, 4, QImage::Format_RGB32), dst(4, 4, QImage::Format_RGB32);
    for (int i = 0; i < 16; ++i)
        src.setPixel(i % 4, i / 4, qRgb(17 * i, 255 - 13 * i, 37 * i % 256));
    dst.fill(ground);
    Blit(dst, src, row.dx, row.dy, row.w, row.h, row.sx, row.sy, row.op);
    for (int i = 0; i < 16; ++i) {
        const int c = row.after[i + i / 4] - 'a';
        const QRgb s = c < 0 ? ground : src.pixel(c % 4, c / 4);
        const QRgb want = c < 0 || row.op == Raster::Copy ? s
                          : row.op == Raster::And ? (ground & s) : (ground | s);
        EXPECT_EQ(dst.pixel(i % 4, i / 4), want) << i % 4 << "," << i / 4;
    }
}
INSTANTIATE_TEST_SUITE_P(Table, Blit_Op, testing::Values(
    Blit_Row{"copy", Raster::Copy, 1, 1, 2, 2, 0, 0, "..../.ab./.ef./...."},
    Blit_Row{"srcand", Raster::And, 1, 1, 2, 2, 1, 2, "..../.jk./.no./...."},
    Blit_Row{"srcpaint", Raster::Paint, 0, 2, 3, 1, 1, 0, "..../..../bcd./...."},
    Blit_Row{"clip_left_top", Raster::Copy, -1, -1, 3, 3, 0, 0, "fg../jk../..../...."},
    Blit_Row{"clip_right_bottom", Raster::Copy, 3, 2, 3, 3, 0, 0, "..../..../...a/...e"},
    Blit_Row{"clip_source", Raster::Copy, 0, 0, 4, 4, 2, 2, "kl../op../..../...."},
    Blit_Row{"mirrored", Raster::Copy, 0, 3, -4, 1, 3, 0, "..../..../..../dcba"}));
}  // namespace
