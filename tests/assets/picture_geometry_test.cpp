#include "asset_files.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    const char *name;
    int width, height;
};

class PictureGeometry : public testing::TestWithParam<Expected> {};

TEST_P(PictureGeometry, HasItsExactSizeAndIsAn8BitPalettePicture)
{
    const Expected e = GetParam();
    const QImage image = picture(e.name);
    ASSERT_FALSE(image.isNull()) << e.name;
    EXPECT_EQ(image.width(), e.width) << e.name;
    EXPECT_EQ(image.height(), e.height) << e.name;
    EXPECT_EQ(image.format(), QImage::Format_Indexed8) << e.name;
    EXPECT_LE(image.colorCount(), 256) << e.name;
}

INSTANTIATE_TEST_SUITE_P(AllFour, PictureGeometry,
                         testing::Values(Expected{"background", 375, 234}, Expected{"sheet", 160, 112},
                                         Expected{"title", 240, 224}, Expected{"logo", 80, 21}),
                         [](const auto &info) { return std::string(info.param.name); });

bool yellowish(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) > 140 && qBlue(c) < 90;
}

TEST(TitlePicture, YellowLettersStayInsideTheirThreeBoxes)
{
    const QImage title = picture("title").convertToFormat(QImage::Format_RGB32);
    const QRect tagline(QPoint(31, 39), QPoint(207, 55));
    const QRect logo(QPoint(31, 72), QPoint(207, 111));
    const QRect pushKey(QPoint(49, 169), QPoint(188, 183));
    int inTagline = 0, inLogo = 0, inPushKey = 0;
    // Below y 190 lies the ground strip with its sprites, which may be yellow.
    for (int y = 0; y < 190; ++y)
        for (int x = 0; x < title.width(); ++x) {
            if (!yellowish(title.pixel(x, y)))
                continue;
            const QPoint p(x, y);
            inTagline += tagline.contains(p);
            inLogo += logo.contains(p);
            inPushKey += pushKey.contains(p);
            EXPECT_TRUE(tagline.contains(p) || logo.contains(p) || pushKey.contains(p))
                << "yellow pixel outside the text boxes at " << x << "," << y;
        }
    EXPECT_GT(inTagline, 100);
    EXPECT_GT(inLogo, 400);
    EXPECT_GT(inPushKey, 80);
}

TEST(LogoPlate, IsAGreyPlateWithBlueLetters)
{
    const QImage plate = picture("logo").convertToFormat(QImage::Format_RGB32);
    int blue = 0;
    for (int y = 0; y < plate.height(); ++y)
        for (int x = 0; x < plate.width(); ++x) {
            const QRgb c = plate.pixel(x, y);
            blue += qBlue(c) > qRed(c) + 80 && qBlue(c) > qGreen(c) + 60;
        }
    EXPECT_GT(blue, 60);
    const QRgb corner = plate.pixel(4, 10);
    EXPECT_NEAR(qRed(corner), qGreen(corner), 16);
    EXPECT_NEAR(qGreen(corner), qBlue(corner), 16);
}

} // namespace
