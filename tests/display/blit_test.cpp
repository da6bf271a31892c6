// The one drawing primitive: which destination pixels a blit touches and what each becomes.
#include <ostream>

#include <gtest/gtest.h>

#include "display/blit.h"

namespace {

// The 4 × 4 destination afterwards, rows split by '/': '.' untouched, n source column n by op.
struct Blit_Row { const char* name; Raster op; int dx, dy, w, h, sx, sy; const char* after; };
void PrintTo(const Blit_Row& row, std::ostream* os) { *os << row.name; }
class Blit_Op : public testing::TestWithParam<Blit_Row> {};

TEST_P(Blit_Op, Changes_Exactly_The_Clipped_Rectangle)
{
    const Blit_Row& row = GetParam();
    const QRgb ground = qRgb(0xf0, 0x0f, 0x55), column[4] = {qRgb(0x3c, 0x3c, 0x0f),
        qRgb(0xc3, 0xc3, 0xf0), qRgb(0x0f, 0xf0, 0x0f), qRgb(0xa5, 0xa5, 0x5a)};
    QImage src(4, 4, QImage::Format_RGB32), dst(4, 4, QImage::Format_RGB32);
    for (int i = 0; i < 16; ++i)
        src.setPixel(i % 4, i / 4, column[i % 4]);
    dst.fill(ground);
    Blit(dst, src, row.dx, row.dy, row.w, row.h, row.sx, row.sy, row.op);
    for (int i = 0; i < 16; ++i) {
        const char c = row.after[i + i / 4];
        const QRgb s = c == '.' ? ground : column[c - '0'];
        const QRgb want = c == '.' || row.op == Raster::Copy ? s
                          : row.op == Raster::And ? (ground & s) : (ground | s);
        EXPECT_EQ(dst.pixel(i % 4, i / 4), want) << i % 4 << "," << i / 4;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Blit_Op, testing::Values(
    Blit_Row{"copy", Raster::Copy, 1, 1, 2, 2, 0, 0, "..../.01./.01./...."},
    Blit_Row{"srcand", Raster::And, 1, 1, 2, 2, 1, 2, "..../.12./.12./...."},
    Blit_Row{"srcpaint", Raster::Paint, 0, 2, 3, 1, 1, 0, "..../..../123./...."},
    Blit_Row{"clip_left_top", Raster::Copy, -1, -1, 3, 3, 0, 0, "12../12../..../...."},
    Blit_Row{"clip_right_bottom", Raster::Copy, 3, 2, 3, 3, 0, 0, "..../..../...0/...0"},
    Blit_Row{"clip_source", Raster::Copy, 0, 0, 4, 1, 2, 0, "23../..../..../...."},
    Blit_Row{"wholly_below", Raster::Copy, 0, 4, 4, 4, 0, 0, "..../..../..../...."},
    Blit_Row{"mirrored", Raster::Copy, 0, 3, -4, 1, 3, 0, "..../..../..../3210"}));

}  // namespace
