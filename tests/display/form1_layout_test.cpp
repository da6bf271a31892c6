// The game window as it first appears: geometry, the title look, the labels and the menu tree.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "display/form1.h"
#include "display/pictures.h"

namespace {

QImage grab_client(Form1& window)
{
    QCoreApplication::processEvents();
    return window.Client->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool same_pixels(const QImage& shot, QPoint at, const QImage& picture)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (shot.pixel(at.x() + x, at.y() + y) != picture.pixel(x, y))
                return false;
    return true;
}

class Form1Layout : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.Show_Title_Look();
        window.show();
    }
    Form1 window;
};

TEST_F(Form1Layout, ClientAreaIsFixedAt375By234UnderTheMenuBar)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("でるぼん"));
    EXPECT_EQ(window.Client->size(), QSize(375, 234));
    EXPECT_EQ(window.Client->mapTo(&window, QPoint(0, 0)).y(), window.menuBar()->height());
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(Form1Layout, TitleLookShowsTheTitlePictureOverThePlayArea)
{
    const QImage shot = grab_client(window);
    const Pictures& pictures = Game_Pictures();
    EXPECT_TRUE(same_pixels(shot, {4, 6}, pictures.title));
    EXPECT_FALSE(window.Picture3->isVisible());
    // The frame around the boxes is the background picture itself.
    for (QPoint p : {QPoint(0, 0), QPoint(245, 100), QPoint(374, 233), QPoint(250, 120)})
        EXPECT_EQ(shot.pixel(p), pictures.background.pixel(p)) << p.x() << "," << p.y();
}

TEST_F(Form1Layout, BannerBoxIsBlackAt250By84)
{
    const QImage shot = grab_client(window);
    EXPECT_EQ(window.Picture6->geometry(), QRect(250, 84, 120, 34));
    int black = 0;
    for (int y = 84; y < 118; ++y)
        for (int x = 250; x < 370; ++x)
            black += shot.pixel(x, y) == qRgb(0, 0, 0);
    // Only the banner's own drawing may lie on it; before its first frames it is all black.
    EXPECT_GT(black, 120 * 34 / 2);
}

TEST_F(Form1Layout, ChildControlsSitWhereTheLayoutPutsThem)
{
    EXPECT_EQ(window.Picture3->geometry(), QRect(4, 6, 240, 224));
    EXPECT_EQ(window.Picture5->geometry(), QRect(4, 6, 240, 224));
    EXPECT_EQ(window.Picture1->geometry(), QRect(0, 0, 240, 240));
    EXPECT_EQ(window.Picture2->geometry(), QRect(0, 0, 16, 16));
    EXPECT_EQ(window.Picture7->geometry(), QRect(0, 24, 16, 16));
    EXPECT_EQ(window.Picture8->geometry(), QRect(16, 24, 16, 16));
    EXPECT_EQ(window.Picture9->geometry(), QRect(21, 34, 80, 21));
    EXPECT_EQ(window.Label2[0]->geometry().topLeft(), QPoint(58, 0));
    EXPECT_EQ(window.Label2[1]->geometry().topLeft(), QPoint(59, 1));
    EXPECT_FALSE(window.Label2[0]->isVisibleTo(window.Picture1));
    EXPECT_EQ(window.Label1[0]->geometry(), QRect(300, 7, 63, 13));
    EXPECT_EQ(window.Label1[3]->geometry(), QRect(252, 64, 116, 13));
    EXPECT_EQ(window.Label1[9]->geometry(), QRect(252, 216, 116, 13));
    EXPECT_EQ(window.Timer1->interval(), 100);
    EXPECT_TRUE(window.Timer1->isActive());
}

TEST_F(Form1Layout, StatusLabelsStartWithTheirDesignTexts)
{
    EXPECT_EQ(window.Label1[0]->text(), QStringLiteral("０００００００"));
    EXPECT_EQ(window.Label1[1]->text(), QStringLiteral("００"));
    EXPECT_EQ(window.Label1[2]->text(), QStringLiteral("００"));
    EXPECT_EQ(window.Label1[3]->text(), QStringLiteral("ノーマルスコップ"));
    for (int i = 4; i < 10; ++i)
        EXPECT_EQ(window.Label1[i]->text(), QStringLiteral("０００００００"));
    // Light text drawn straight onto the dark blue value box, which is one colour beneath.
    const QImage shot = grab_client(window);
    int light = 0;
    for (int y = 7; y < 20; ++y)
        for (int x = 300; x < 363; ++x)
            light += qGray(shot.pixel(x, y)) > 160;
    EXPECT_GT(light, 40);
}

TEST_F(Form1Layout, MenuTreeHasEveryCaptionAndSeparatorInOrder)
{
    QStringList seen;
    for (QAction* top : window.menuBar()->actions()) {
        seen << top->text();
        for (QAction* item : top->menu()->actions())
            seen << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    const QStringList expected = {
        "ゲーム(&G)", "最初から(&N)", "-", "ハイスコアの初期化(&C)", "-", "でるぼんの終了(&X)",
        "オプション(&O)", "効果音を鳴らす(&S)", "-", "ウエイト設定(&W)",
        "ヘルプ(&H)", "Ｒｅａｄｍｅ参照(&R)", "-", "バージョン情報(&V)"};
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(window.mnuO2->isCheckable());
    EXPECT_TRUE(window.mnuO2->isChecked());
    for (QAction* item : {window.mnuG1, window.mnuG3, window.mnuG5, window.mnuO4, window.mnuH1,
                          window.mnuH3})
        EXPECT_TRUE(item->shortcut().isEmpty());
}

TEST_F(Form1Layout, SoundItemTogglesItsCheckMark)
{
    window.mnuO2->trigger();
    EXPECT_FALSE(window.Sound_Switch());
    window.mnuO2_Click();
    EXPECT_TRUE(window.Sound_Switch());
}

}  // namespace
