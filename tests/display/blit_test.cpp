// The blit: plain copy, SRCAND and SRCPAINT, clipping, and the mirrored copy.
#include <gtest/gtest.h>

#include <QImage>

#include "display/blit.h"
#include "display/pictures.h"

namespace {

QImage filled(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A source whose every pixel tells where it came from.
QImage numbered(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x, y, 7));
    return image;
}

TEST(Blit, CopiesTheRectangleUnscaled)
{
    QImage dst = filled(20, 20, qRgb(1, 2, 3));
    const QImage src = numbered(16, 16);
    Blit(dst, src, 4, 5, 3, 2, 10, 11);
    EXPECT_EQ(dst.pixel(4, 5), qRgb(10, 11, 7));
    EXPECT_EQ(dst.pixel(6, 6), qRgb(12, 12, 7));
    EXPECT_EQ(dst.pixel(7, 5), qRgb(1, 2, 3));  // just right of the rectangle
    EXPECT_EQ(dst.pixel(4, 7), qRgb(1, 2, 3));  // just below it
}

TEST(Blit, AndAndPaintCombineWithTheDestination)
{
    QImage dst = filled(2, 1, qRgb(0xf0, 0x0f, 0x55));
    const QImage src = filled(1, 1, qRgb(0x3c, 0x3c, 0x0f));
    Blit(dst, src, 0, 0, 1, 1, 0, 0, Raster::And);
    Blit(dst, src, 1, 0, 1, 1, 0, 0, Raster::Paint);
    EXPECT_EQ(dst.pixel(0, 0), qRgb(0x30, 0x0c, 0x05));
    EXPECT_EQ(dst.pixel(1, 0), qRgb(0xfc, 0x3f, 0x5f));
}

TEST(Blit, ClipsAtEveryEdgeAndIgnoresARectangleWhollyOutside)
{
    QImage dst = filled(240, 240, qRgb(9, 9, 9));
    const QImage before = dst.copy();
    const QImage src = numbered(16, 16);
    // Map row 15 lands at y = 240 on the 240 px canvas.
    Blit(dst, src, 0, 240, 16, 16, 0, 0);
    Blit(dst, src, -16, 0, 16, 16, 0, 0);
    EXPECT_EQ(dst, before);

    Blit(dst, src, 232, -8, 16, 16, 0, 0);
    EXPECT_EQ(dst.pixel(232, 0), qRgb(0, 8, 7));
    EXPECT_EQ(dst.pixel(239, 7), qRgb(7, 15, 7));
    EXPECT_EQ(dst.pixel(231, 0), qRgb(9, 9, 9));
}

TEST(Blit, NegativeWidthCopiesMirrored)
{
    QImage dst = filled(16, 1, qRgb(0, 0, 0));
    const QImage src = numbered(160, 1);
    Blit(dst, src, 0, 0, -16, 1, 159, 0);
    EXPECT_EQ(dst.pixel(0, 0), qRgb(159, 0, 7));
    EXPECT_EQ(dst.pixel(15, 0), qRgb(144, 0, 7));
}

TEST(Blit, IconPairOverABlueBoxColoursOnlyTheHeart)
{
    const QImage& sheet = Sheet();
    ASSERT_EQ(sheet.size(), QSize(160, 112));
    const QRgb box = qRgb(0, 0, 128);
    QImage dst = filled(11, 10, box);
    Blit(dst, sheet, 2, 2, 7, 6, 128, 6, Raster::Paint);
    Blit(dst, sheet, 2, 2, 7, 6, 128, 0, Raster::And);
    int coloured = 0;
    for (int y = 0; y < dst.height(); ++y) {
        for (int x = 0; x < dst.width(); ++x) {
            const bool inside = x >= 2 && x < 9 && y >= 2 && y < 8;
            const QRgb icon = inside ? sheet.pixel(128 + x - 2, y - 2) : qRgb(255, 255, 255);
            if (icon == qRgb(255, 255, 255)) {
                EXPECT_EQ(dst.pixel(x, y), box) << x << "," << y;
            } else {
                EXPECT_EQ(dst.pixel(x, y), icon) << x << "," << y;
                ++coloured;
            }
        }
    }
    EXPECT_GT(coloured, 10);
}

}  // namespace
