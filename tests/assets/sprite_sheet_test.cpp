#include "asset_files.h"

#include <gtest/gtest.h>

namespace {

QImage cell(const QImage &sheet, int column, int row)
{
    return sheet.copy(column * 16, row * 16, 16, 16);
}

bool allBlack(const QImage &tile)
{
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            if (!isBlack(tile.pixel(x, y)))
                return false;
    return true;
}

TEST(SpriteSheet, EveryCellTheGameDrawsFromHoldsArt)
{
    const QImage sheet = sheetImage();
    ASSERT_FALSE(sheet.isNull());
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 10; ++column) {
            // Columns 8 and 9 of row 6 are tiles too; only the empty tile is black on purpose.
            if (row == 6 && column == 0)
                continue;
            EXPECT_FALSE(allBlack(cell(sheet, column, row))) << "cell (" << column << ", " << row << ") is blank";
        }
}

TEST(SpriteSheet, EmptyMapTileIsBlack)
{
    EXPECT_TRUE(allBlack(cell(sheetImage(), 0, 6)));
}

TEST(SpriteSheet, SideViewsShowWhichWayTheDiggerFaces)
{
    const QImage sheet = sheetImage();
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 8; ++column) {
            const QImage frame = cell(sheet, column, row);
            EXPECT_NE(frame, frame.mirrored(true, false)) << "frame (" << column << ", " << row << ") looks the same both ways";
        }
    // The left-facing and right-facing halves must not be the same pictures.
    for (int row = 0; row < 4; ++row)
        EXPECT_NE(cell(sheet, 3, row), cell(sheet, 7, row)) << "row " << row;
}

TEST(SpriteSheet, CheeringMasksAreBlackExactlyWhereTheirSpriteIsDrawn)
{
    const QImage sheet = sheetImage();
    for (int k = 0; k < 4; ++k) {
        const QImage sprite = cell(sheet, 4 + k, 4);
        const QImage mask = cell(sheet, 4 + k, 5);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb expected = isBlack(sprite.pixel(x, y)) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
                ASSERT_EQ(mask.pixel(x, y) & 0xffffff, expected & 0xffffff)
                    << "mask " << k << " at " << x << "," << y;
            }
    }
}

TEST(SpriteSheet, DancerDrawnWithItsMaskOverAnyBackgroundShowsOnlyTheSprite)
{
    const QImage sheet = sheetImage();
    const QRgb teal = sheet.pixel(128, 16);
    const QImage sprite = cell(sheet, 7, 4);
    const QImage mask = cell(sheet, 7, 5);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb shown = ((teal & mask.pixel(x, y)) | sprite.pixel(x, y)) & 0xffffff;
            const QRgb want = isBlack(sprite.pixel(x, y)) ? teal : sprite.pixel(x, y);
            ASSERT_EQ(shown, want & 0xffffff) << x << "," << y;
        }
}

struct StatusIcon {
    const char *name;
    int x;
};

class StatusIconPair : public testing::TestWithParam<StatusIcon> {};

TEST_P(StatusIconPair, SilhouetteIsWhiteExactlyUnderTheShape)
{
    const QImage sheet = sheetImage();
    const int x0 = GetParam().x;
    int shape = 0;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 7; ++x) {
            const bool inShape = (sheet.pixel(x0 + x, y) & 0xffffff) != 0xffffff;
            shape += inShape;
            EXPECT_EQ(sheet.pixel(x0 + x, 6 + y) & 0xffffff, inShape ? 0xffffffu : 0u) << x << "," << y;
        }
    EXPECT_GT(shape, 15) << "the icon is hardly drawn";
}

TEST_P(StatusIconPair, OrThenAndOverADarkBlueBoxColoursOnlyTheShape)
{
    const QImage sheet = sheetImage();
    const QImage background = picture("background").convertToFormat(QImage::Format_RGB32);
    const int x0 = GetParam().x;
    // The icons of the life row are drawn at (299, 27), inside the life value box.
    const QImage box = background.copy(299, 27, 7, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 7; ++x) {
            const QRgb under = box.pixel(x, y) & 0xffffff;
            const QRgb orPass = under | (sheet.pixel(x0 + x, 6 + y) & 0xffffff);
            const QRgb result = orPass & (sheet.pixel(x0 + x, y) & 0xffffff);
            const QRgb icon = sheet.pixel(x0 + x, y) & 0xffffff;
            if (icon == 0xffffff)
                EXPECT_EQ(result, under) << "box pixel changed at " << x << "," << y;
            else
                EXPECT_EQ(result, icon) << "shape not coloured at " << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(HeartAndClover, StatusIconPair,
                         testing::Values(StatusIcon{"heart", 128}, StatusIcon{"clover", 135}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SpriteSheet, IconCellIsWhiteAroundTheTwoIconsAndSilhouettes)
{
    const QImage sheet = sheetImage();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            if (x < 14 && y < 12)
                continue;
            EXPECT_EQ(sheet.pixel(128 + x, y) & 0xffffff, 0xffffffu) << x << "," << y;
        }
}

TEST(SpriteSheet, CrumbleStagesLoseMoreSoilAtEachStep)
{
    const QImage sheet = sheetImage();
    int previous = 16 * 16 + 1;
    for (int i = 0; i < 4; ++i) {
        int soil = 0;
        const QImage stage = cell(sheet, i, 5);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                soil += !isBlack(stage.pixel(x, y));
        EXPECT_LT(soil, previous) << "stage " << i;
        EXPECT_GT(soil, 0) << "stage " << i;
        previous = soil;
    }
}

TEST(SpriteSheet, SoilTileIsSolidEarthWithNoHoles)
{
    const QImage soil = cell(sheetImage(), 1, 6);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_FALSE(isBlack(soil.pixel(x, y))) << x << "," << y;
}

} // namespace
