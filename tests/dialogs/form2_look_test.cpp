// The wait settings dialog as the player sees it: tiles, white labels, the controls' places.
#include <gtest/gtest.h>

#include <cstdlib>

#include <QCoreApplication>
#include <QFontMetrics>

#include "core/module1.h"
#include "dialogs/form2.h"
#include "display/game_font.h"
#include "display/pictures.h"

namespace {

// Text is drawn smoothed, so its pixels are counted by closeness to the colour.
bool near(QRgb pixel, QRgb colour)
{
    return std::abs(qRed(pixel) - qRed(colour)) <= 64 && std::abs(qGreen(pixel) - qGreen(colour)) <= 64
           && std::abs(qBlue(pixel) - qBlue(colour)) <= 64;
}

int count_colour(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += near(image.pixel(x, y), colour);
    return count;
}

class WaitSettingsLook : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        dialog = new Form2(&owner);
        // The previews would change their boxes between grabs.
        for (QTimer* timer : dialog->Timer)
            timer->stop();
        dialog->show();
        QCoreApplication::processEvents();
        shot = dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    void TearDown() override { delete dialog; }

    QWidget owner;
    Form2* dialog = nullptr;
    QImage shot;
};

TEST_F(WaitSettingsLook, ClientAreaIsTiledWithTheBlueCell)
{
    ASSERT_EQ(shot.size(), QSize(393, 225));
    const QImage& sheet = Sheet();
    ASSERT_EQ(count_colour(sheet, QRect(144, 0, 16, 16), qRgb(255, 255, 255)), 0);
    // Spots no control covers: the corners, the gap right of the sliders, the last
    // overhanging column and row.
    for (QPoint p : {QPoint(0, 0), QPoint(15, 15), QPoint(225, 100), QPoint(390, 5),
                     QPoint(392, 224), QPoint(5, 222), QPoint(250, 180), QPoint(100, 176)}) {
        EXPECT_EQ(shot.pixel(p), sheet.pixel(144 + p.x() % 16, p.y() % 16))
            << p.x() << "," << p.y();
    }
}

TEST_F(WaitSettingsLook, HeadingsRowLabelsAndNotesAreWhiteOverTheTiles)
{
    const QRgb white = qRgb(255, 255, 255);
    struct Text { QRect area; const char* what; };
    const Text texts[] = {
        {QRect(16, 16, 60, 13), "アクション"},  {QRect(120, 16, 26, 13), "軽い"},
        {QRect(192, 16, 26, 13), "重い"},       {QRect(232, 16, 52, 13), "簡易設定"},
        {QRect(40, 34, 52, 13), "左右移動"},    {QRect(40, 154, 52, 13), "その他"},
        {QRect(16, 184, 260, 13), "※ここでの"}, {QRect(29, 200, 300, 13), "お使いの"},
    };
    for (const Text& text : texts)
        EXPECT_GT(count_colour(shot, text.area, white), 15) << text.what;
    // Between the rows the tiles show through.
    EXPECT_EQ(count_colour(shot, QRect(40, 48, 52, 5), white), 0);
    // Transparent labels: the tile shows between the letters.
    const QImage& sheet = Sheet();
    int tile_pixels = 0;
    for (int x = 40; x < 92; ++x)
        tile_pixels += shot.pixel(x, 35) == sheet.pixel(144 + x % 16, 35 % 16);
    EXPECT_GT(tile_pixels, 10);
}

TEST_F(WaitSettingsLook, RowLabelsFitTheirBoxes)
{
    const QFontMetrics metrics(Game_Font(13));
    for (QLabel* label : dialog->Label1)
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
    EXPECT_EQ(dialog->Label1[0]->text(), QStringLiteral("左右移動"));
    EXPECT_EQ(dialog->Label1[3]->text(), QStringLiteral("穴へ飛び込む"));
}

TEST_F(WaitSettingsLook, PreviewBoxesShowTheirFrames)
{
    dialog->Timer_Timer(0);
    dialog->Timer_Timer(3);
    QCoreApplication::processEvents();
    const QImage now = dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage walk = Sheet().copy(16, 0, 16, 16).convertToFormat(QImage::Format_RGB32);
    const QImage jump = Sheet().copy(16, 32, 16, 16).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(now.copy(16, 32, 16, 16), walk);
    EXPECT_EQ(now.copy(16, 92, 16, 16), jump);
}

}  // namespace
