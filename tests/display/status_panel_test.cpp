// The status panel as the player sees it: labels, hearts and clovers on the grabbed window.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "core/module1.h"
#include "display/form1.h"
#include "display/pictures.h"

namespace {

class StatusPanel : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        window.show();
    }

    QImage refresh_and_grab()
    {
        window.States_Refresh();
        QCoreApplication::processEvents();
        return window.Client->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // True when the 7 × 6 icon at sheet_x shows at (x, y) over the background box.
    static bool icon_at(const QImage& shot, int x, int y, int sheet_x)
    {
        const QImage& sheet = Sheet();
        const QImage& back = Game_Pictures().background;
        for (int dy = 0; dy < 6; ++dy) {
            for (int dx = 0; dx < 7; ++dx) {
                const QRgb shape = sheet.pixel(sheet_x + dx, dy);
                const QRgb want = shape == qRgb(255, 255, 255) ? back.pixel(x + dx, y + dy) : shape;
                if (shot.pixel(x + dx, y + dy) != want)
                    return false;
            }
        }
        return true;
    }

    // Count of icon places in a row that show the icon; places in the label's way excluded.
    static int icons_in_row(const QImage& shot, int first_y, int sheet_x)
    {
        int count = 0;
        for (int k = 0; k < 20; ++k) {
            const int x = 299 + 7 * (k % 10);
            const int y = k < 10 ? first_y : first_y + 7;
            if (x + 7 > 353)  // the count label is drawn over the right end of the rows
                continue;
            count += icon_at(shot, x, y, sheet_x);
        }
        return count;
    }

    Form1 window;
};

TEST_F(StatusPanel, HeartsFollowLifeOnTwoLines)
{
    struct Case { int life; int visible; };
    // Places 0..6 of each line lie clear of the label at x 353.
    for (Case c : {Case{0, 0}, Case{10, 7}, Case{11, 8}, Case{20, 14}}) {
        Life = c.life;
        const QImage shot = refresh_and_grab();
        EXPECT_EQ(icons_in_row(shot, 27, 128), c.visible) << "life " << c.life;
    }
    Life = 11;
    EXPECT_TRUE(icon_at(refresh_and_grab(), 299, 34, 128));
    Life = 10;
    EXPECT_FALSE(icon_at(refresh_and_grab(), 299, 34, 128));
}

TEST_F(StatusPanel, ADroppedValueLeavesNoStaleIcon)
{
    Life = 20;
    refresh_and_grab();
    Life = 3;
    const QImage shot = refresh_and_grab();
    EXPECT_TRUE(icon_at(shot, 299 + 14, 27, 128));
    EXPECT_FALSE(icon_at(shot, 299 + 21, 27, 128));
    const QImage& back = Game_Pictures().background;
    EXPECT_EQ(shot.copy(299 + 21, 27, 30, 13), back.copy(299 + 21, 27, 30, 13));
}

TEST_F(StatusPanel, PowerShovelWithFifteenUsesShowsItsNameCountAndClovers)
{
    Shovel_Type = 2;
    Shovel_Uses = 15;
    const QImage shot = refresh_and_grab();
    EXPECT_EQ(window.Label1[2]->text(), QStringLiteral("１５"));
    EXPECT_EQ(window.Label1[3]->text(), QStringLiteral("パワースコップ"));
    EXPECT_EQ(icons_in_row(shot, 47, 135), 7 + 5);
    EXPECT_TRUE(icon_at(shot, 299 + 28, 54, 135));
    EXPECT_FALSE(icon_at(shot, 299 + 35, 54, 135));
}

TEST_F(StatusPanel, NormalShovelShowsADashAndNoClovers)
{
    Shovel_Type = 0;
    Shovel_Uses = 0;
    const QImage shot = refresh_and_grab();
    EXPECT_EQ(window.Label1[2]->text(), QStringLiteral("－"));
    EXPECT_EQ(window.Label1[3]->text(), QStringLiteral("ノーマルスコップ"));
    EXPECT_EQ(icons_in_row(shot, 47, 135), 0);
}

TEST_F(StatusPanel, NumbersAreFullWidthAndNamesAsStored)
{
    Score_Table[3].Score = 0;
    Score_Table[0] = {"ほりこ", 1234};
    Score_Table[1] = {"", 56};
    Life = 7;
    refresh_and_grab();
    EXPECT_EQ(window.Label1[0]->text(), QStringLiteral("０"));
    EXPECT_EQ(window.Label1[1]->text(), QStringLiteral("７"));
    EXPECT_EQ(window.Label1[4]->text(), QStringLiteral("１２３４"));
    EXPECT_EQ(window.Label1[5]->text(), QStringLiteral("ほりこ"));
    EXPECT_EQ(window.Label1[6]->text(), QStringLiteral("５６"));
    EXPECT_EQ(window.Label1[7]->text(), QString());
    EXPECT_EQ(window.Label1[8]->text(), QStringLiteral("０"));
}

TEST_F(StatusPanel, AnUnknownShovelLeavesTheShovelLabelsAsTheyWere)
{
    Shovel_Type = 3;
    Shovel_Uses = 4;
    refresh_and_grab();
    Shovel_Type = 7;
    refresh_and_grab();
    EXPECT_EQ(window.Label1[2]->text(), QStringLiteral("４"));
    EXPECT_EQ(window.Label1[3]->text(), QStringLiteral("ロングスコップ"));
}

}  // namespace
