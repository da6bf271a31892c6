#include "asset_files.h"

#include <gtest/gtest.h>

namespace {

struct Box {
    const char *name;
    int x0, x1, y0, y1;
    bool caption;  // holds a white caption
    bool points;   // a value box that ends with the "p"
};

const Box Boxes[] = {
    {"score_caption", 249, 294, 6, 20, true, false},   {"score_value", 297, 370, 6, 20, false, true},
    {"life_caption", 249, 294, 26, 40, true, false},   {"life_value", 297, 370, 26, 40, false, false},
    {"special_caption", 249, 294, 46, 60, true, false}, {"special_value", 297, 370, 46, 60, false, false},
    {"shovel", 249, 370, 63, 77, false, false},
    {"first_caption", 249, 294, 124, 138, true, false}, {"first_value", 297, 370, 124, 138, false, true},
    {"first_name", 249, 370, 141, 155, false, false},
    {"second_caption", 249, 294, 161, 175, true, false}, {"second_value", 297, 370, 161, 175, false, true},
    {"second_name", 249, 370, 178, 192, false, false},
    {"third_caption", 249, 294, 198, 212, true, false}, {"third_value", 297, 370, 198, 212, false, true},
    {"third_name", 249, 370, 215, 229, false, false},
};

class StatusBox : public testing::TestWithParam<Box> {
protected:
    QImage background = picture("background").convertToFormat(QImage::Format_RGB32);
};

TEST_P(StatusBox, HasAWhiteRimOnItsExactBounds)
{
    const Box b = GetParam();
    for (int x = b.x0; x <= b.x1; ++x) {
        EXPECT_EQ(background.pixel(x, b.y0) & 0xffffff, 0xffffffu) << "top at x " << x;
        EXPECT_EQ(background.pixel(x, b.y1) & 0xffffff, 0xffffffu) << "bottom at x " << x;
    }
    for (int y = b.y0; y <= b.y1; ++y) {
        EXPECT_EQ(background.pixel(b.x0, y) & 0xffffff, 0xffffffu) << "left at y " << y;
        EXPECT_EQ(background.pixel(b.x1, y) & 0xffffff, 0xffffffu) << "right at y " << y;
    }
    // Just outside the rim is frame, not more box.
    EXPECT_NE(background.pixel(b.x0 - 1, b.y0 + 2) & 0xffffff, 0xffffffu);
    EXPECT_NE(background.pixel(b.x0 + 2, b.y0 - 1) & 0xffffff, 0xffffffu);
}

TEST_P(StatusBox, InsideIsOnePlainDarkBlueExceptItsLetters)
{
    const Box b = GetParam();
    const QRgb fill = background.pixel(b.x0 + 1, b.y0 + 1) & 0xffffff;
    EXPECT_GT(qBlue(fill), qRed(fill) + 40);
    EXPECT_GT(qBlue(fill), qGreen(fill) + 40);
    EXPECT_LT(qBlue(fill), 170);
    int letters = 0, points = 0;
    for (int y = b.y0 + 1; y < b.y1; ++y)
        for (int x = b.x0 + 1; x < b.x1; ++x) {
            const QRgb c = background.pixel(x, y) & 0xffffff;
            if (c == fill)
                continue;
            if (b.points && x >= 364 && x <= 370 && c == 0xffffff) {
                ++points;
                continue;
            }
            if (b.caption && c == 0xffffff) {
                ++letters;
                continue;
            }
            ADD_FAILURE() << b.name << ": stray colour at " << x << "," << y;
        }
    if (b.caption)
        EXPECT_GT(letters, 12) << b.name << " has no caption";
    if (b.points)
        EXPECT_GT(points, 6) << b.name << " has no p";
}

INSTANTIATE_TEST_SUITE_P(StatusPanel, StatusBox, testing::ValuesIn(Boxes),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Background, PlayAreaIsBlackEdgeToEdge)
{
    const QImage background = picture("background").convertToFormat(QImage::Format_RGB32);
    for (int y = 6; y <= 229; ++y)
        for (int x = 4; x <= 243; ++x)
            ASSERT_TRUE(isBlack(background.pixel(x, y))) << x << "," << y;
    EXPECT_FALSE(isBlack(background.pixel(3, 100)));
    EXPECT_FALSE(isBlack(background.pixel(244, 100)));
    EXPECT_FALSE(isBlack(background.pixel(100, 5)));
    EXPECT_FALSE(isBlack(background.pixel(100, 230)));
}

TEST(Background, BannerStageIsBlackInsideAWhiteFrame)
{
    const QImage background = picture("background").convertToFormat(QImage::Format_RGB32);
    for (int y = 84; y <= 117; ++y)
        for (int x = 250; x <= 369; ++x)
            ASSERT_TRUE(isBlack(background.pixel(x, y))) << x << "," << y;
    EXPECT_EQ(background.pixel(249, 100) & 0xffffff, 0xffffffu);
    EXPECT_EQ(background.pixel(370, 100) & 0xffffff, 0xffffffu);
}

TEST(Background, FrameBetweenTheBoxesIsGreyMarble)
{
    const QImage background = picture("background").convertToFormat(QImage::Format_RGB32);
    int samples = 0;
    for (QPoint p : {QPoint(1, 1), QPoint(246, 100), QPoint(372, 50), QPoint(295, 13), QPoint(300, 23), QPoint(120, 232)}) {
        const QRgb c = background.pixel(p);
        EXPECT_GT(qGreen(c), 40) << p.x() << "," << p.y();
        EXPECT_NEAR(qRed(c), qGreen(c), 12) << p.x() << "," << p.y();
        EXPECT_NEAR(qBlue(c), qGreen(c), 12) << p.x() << "," << p.y();
        ++samples;
    }
    EXPECT_EQ(samples, 6);
}

} // namespace
