// The banner on the real game window: what the black box shows, and that it never stops.
#include <chrono>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "core/random_source.h"
#include "display/form1.h"
#include "display/pictures.h"

namespace {

class Banner_Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.Timer1->stop();  // the test ticks by hand
        window.show();
    }
    void TearDown() override { Set_Random_Source(nullptr); }

    void run_to(int frame)
    {
        for (int guard = 0; guard < 1000 && window.Timer1_Tag != frame; ++guard)
            window.Timer1_Timer();
        ASSERT_EQ(window.Timer1_Tag, frame);
    }

    QImage box()
    {
        QCoreApplication::processEvents();
        return window.Picture6->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    static QImage cell(int x, int y) { return Sheet().copy(x, y, 16, 16); }

    Form1 window;
};

TEST_F(Banner_Window, TheBoxShowsTheCellsDrawnInItsSprites)
{
    Set_Random_Source([] { return 0.75; });  // scene B
    run_to(72);
    // Frame 72 puts the turned digger at left −60: outside the box, nothing of it shows.
    EXPECT_EQ(window.Picture7->pos(), QPoint(-60, 8));
    run_to(100);
    const QPoint at = window.Picture7->pos();
    EXPECT_EQ(box().copy(at.x(), at.y(), 16, 16), cell((100 % 4) * 16 + 64, 0));
    run_to(312);
    const QImage shot = box();
    EXPECT_EQ(shot.copy(window.Picture7->x(), window.Picture7->y(), 16, 16), cell(16, 0));
    EXPECT_EQ(shot.copy(window.Picture8->x(), window.Picture8->y(), 16, 16), cell(80, 0));
}

TEST_F(Banner_Window, TheLastFallDrawsTheLyingDiggerMirrored)
{
    Set_Random_Source([] { return 0.75; });
    run_to(354);
    const QImage sprite = window.Picture7->image();
    const QImage lying = cell(144, 80);
    EXPECT_EQ(sprite, lying.mirrored(true, false));
    EXPECT_EQ(window.Picture8->image(), lying);
    EXPECT_NE(lying, lying.mirrored(true, false));  // the art is not symmetric, so this tells
}

TEST_F(Banner_Window, TheTaglineSizesItselfToItsText)
{
    run_to(0);
    EXPECT_TRUE(window.Label3->isVisible());
    EXPECT_EQ(window.Label3->width(), window.Label3->sizeHint().width());
    EXPECT_GT(window.Label3->width(), 100);
    EXPECT_LT(window.Label3->width(), 180);
}

TEST_F(Banner_Window, ItKeepsTickingWhileTheGameWindowIsDisabled)
{
    window.setEnabled(false);
    window.Timer1->start(5);
    const int before = window.Timer1_Tag;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 200)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_GT(window.Timer1_Tag, before + 5);
}

}  // namespace
