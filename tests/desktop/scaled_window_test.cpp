// The game window on a HiDPI screen: the art is drawn at the device pixel ratio without
// smoothing, so the play area holds nothing but the art's own pixels, each one a block of
// whole device pixels. ctest runs these cases once per scale factor (1, 1.5, 2, 3).
#include <cmath>
#include <cstdlib>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPainter>

#include "core/module1.h"
#include "display/form1.h"
#include "display/pictures.h"

namespace {

// The factor the run was started with; Qt takes it from the environment at start-up.
double requested_scale()
{
    const char* value = std::getenv("QT_SCALE_FACTOR");
    return value && *value ? std::atof(value) : 1.0;
}

// Every cell code on the field, in a different place on every row.
void fill_map()
{
    for (int row = 0; row < 16; ++row) {
        std::string line;
        for (int column = 0; column < 15; ++column)
            line += static_cast<char>('0' + (row * 7 + column * 3) % 10);
        Map_Line[row] = line;
    }
}

class Scaled_Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        fill_map();
        window.Show_Play_Look();
        window.Map_Paint(1);
        window.Paint_Digger(112, 0);
        window.Move_Digger(48, 16);
        window.show();
        QCoreApplication::processEvents();
    }
    void TearDown() override { Reset_Module1(); }

    QImage grab_client()
    {
        QCoreApplication::processEvents();
        return window.Client->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The play area in the game's own pixels: the viewport, the canvas at its top and the digger
    // box over it, as the surfaces hold them.
    QImage play_area_in_game_pixels()
    {
        QImage play(240, 224, QImage::Format_RGB32);
        QPainter painter(&play);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, window.Picture3->image());
        painter.drawImage(window.Picture1->pos(), window.Picture1->image());
        painter.drawImage(window.Picture2->pos(), window.Picture2->image());
        return play;
    }

    // Each device pixel of the play area must show one of the art pixels it lies over: no
    // blending, no seam, no pixel taken from a neighbouring cell. Returns the first offender.
    static QString first_stray_pixel(const QImage& shot, const QImage& play, double scale)
    {
        const int left = static_cast<int>(std::lround(4 * scale));
        const int top = static_cast<int>(std::lround(6 * scale));
        const int width = static_cast<int>(std::lround(240 * scale));
        const int height = static_cast<int>(std::lround(224 * scale));
        for (int y = 0; y < height; ++y) {
            const int y0 = static_cast<int>(std::floor(y / scale));
            const int y1 = std::min(223, static_cast<int>(std::ceil((y + 1) / scale)) - 1);
            for (int x = 0; x < width; ++x) {
                const int x0 = static_cast<int>(std::floor(x / scale));
                const int x1 = std::min(239, static_cast<int>(std::ceil((x + 1) / scale)) - 1);
                const QRgb seen = shot.pixel(left + x, top + y);
                bool covered = false;
                for (int gy = y0; gy <= y1 && !covered; ++gy)
                    for (int gx = x0; gx <= x1 && !covered; ++gx)
                        covered = play.pixel(gx, gy) == seen;
                if (!covered)
                    return QStringLiteral("device pixel (%1, %2) of the play area is #%3")
                        .arg(x).arg(y).arg(seen & 0xffffff, 6, 16, QLatin1Char('0'));
            }
        }
        return {};
    }

    Form1 window;
};

TEST_F(Scaled_Window, RunsAtTheRequestedScaleFactor)
{
    EXPECT_DOUBLE_EQ(window.devicePixelRatioF(), requested_scale());
}

TEST_F(Scaled_Window, ClientAreaGrabIsTheClientSizeTimesTheScale)
{
    const double scale = window.devicePixelRatioF();
    const QImage shot = grab_client();
    EXPECT_EQ(window.Client->size(), QSize(375, 234));
    EXPECT_NEAR(shot.width(), 375 * scale, 0.5);
    EXPECT_NEAR(shot.height(), 234 * scale, 0.5);
    if (scale == 2.0)
        EXPECT_EQ(shot.size(), QSize(750, 468));
    if (scale == 3.0)
        EXPECT_EQ(shot.size(), QSize(1125, 702));
}

TEST_F(Scaled_Window, PlayAreaHoldsOnlyTheArtPixelsAtEveryFieldTopOfTheSlide)
{
    const double scale = window.devicePixelRatioF();
    // The field slides up in steps of 4 px while the digger falls; every step must stay on
    // whole device pixels.
    for (int field_top : {0, -4, -8, -12, -16}) {
        window.Set_Field_Top(field_top);
        const QImage shot = grab_client();
        const QImage play = play_area_in_game_pixels();
        EXPECT_EQ(first_stray_pixel(shot, play, scale), QString()) << "field top " << field_top;
    }
}

TEST_F(Scaled_Window, AtIntegerScalesEveryArtPixelIsAnUnbrokenSquare)
{
    const double scale = window.devicePixelRatioF();
    if (scale != std::floor(scale))
        GTEST_SKIP() << "fractional scale " << scale;
    const int s = static_cast<int>(scale);
    window.Set_Field_Top(-8);
    const QImage shot = grab_client();
    const QImage play = play_area_in_game_pixels();
    QImage expected = play.scaled(240 * s, 224 * s, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_EQ(shot.copy(4 * s, 6 * s, 240 * s, 224 * s), expected);
}

TEST_F(Scaled_Window, DiggerMovesInWholeDevicePixels)
{
    const double scale = window.devicePixelRatioF();
    window.Set_Field_Top(0);
    for (int left : {0, 4, 8, 12, 16, 100, 224}) {
        window.Move_Digger(left, 16);
        const QImage shot = grab_client();
        EXPECT_EQ(first_stray_pixel(shot, play_area_in_game_pixels(), scale), QString())
            << "digger at " << left;
    }
}

TEST_F(Scaled_Window, LabelsAreDrawnAtTheScreensResolution)
{
    const double scale = window.devicePixelRatioF();
    if (scale < 2)
        GTEST_SKIP() << "needs at least two device pixels per game pixel";
    const int s = static_cast<int>(scale);
    const QImage shot = grab_client();
    // The shovel caption "ノーマルスコップ": text drawn for the screen has detail inside a game
    // pixel; a 1x picture blown up would show only uniform s × s blocks.
    const QRect label = window.Label1[3]->geometry();
    int detailed_blocks = 0;
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x) {
            const QRgb corner = shot.pixel(x * s, y * s);
            bool uniform = true;
            for (int dy = 0; dy < s && uniform; ++dy)
                for (int dx = 0; dx < s && uniform; ++dx)
                    uniform = shot.pixel(x * s + dx, y * s + dy) == corner;
            detailed_blocks += !uniform;
        }
    EXPECT_GT(detailed_blocks, 20);
}

}  // namespace
