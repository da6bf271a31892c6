// Both endings in the real game window with every pacing value 0: where the caption ends,
// the last digger frame, and where the high-score dialog opens.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>

#include "core/module1.h"
#include "dialogs/form4.h"
#include "dialogs/game_over.h"
#include "display/form1.h"
#include "display/pictures.h"
#include "shell/sound.h"

namespace {

Form4* open_high_score_dialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<Form4*>(widget); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

bool same_cell(const QImage& box, int sheet_x, int sheet_y)
{
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if ((box.pixel(x, y) & 0xffffffu) != (Sheet().pixel(sheet_x + x, sheet_y + y) & 0xffffffu))
                return false;
    return true;
}

class GameOverWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        Set_Sound_Player([this](const QString& path) { played.push_back(path); });
        window = new Form1;
        window->mnuO2->setChecked(true);
        window->Show_Play_Look();
        window->show();
        QCoreApplication::processEvents();
        App_Dir = "/game/";
        Wait_Value.fill(0);
        Game_Mode = 1;
        Digger_X = 3;
        window->Move_Digger(32, 16);
        Score_Table = {Score_Entry{"A", 500}, Score_Entry{"B", 300}, Score_Entry{"C", 100},
                       Score_Entry{"me", 0}};
    }

    void TearDown() override
    {
        if (Form4* dialog = open_high_score_dialog())
            delete dialog;
        delete window;
        Set_Sound_Player({});
        Reset_Module1();
    }

    Form1* window = nullptr;
    std::vector<QString> played;
};

TEST_F(GameOverWindow, NormalEndingLeavesTheCaptionCentredAtNinetyEight)
{
    Score_Table[3].Score = 100;
    Run_Game_Over(*window);
    QCoreApplication::processEvents();

    EXPECT_EQ(Game_Mode, 0);
    EXPECT_EQ(played, std::vector<QString>{QStringLiteral("/game/Over.wav")});
    QLabel* caption = window->Label2[0];
    QLabel* shadow = window->Label2[1];
    EXPECT_EQ(caption->text(), QStringLiteral("ゲームオーバー"));
    EXPECT_EQ(shadow->text(), QStringLiteral("ゲームオーバー"));
    EXPECT_TRUE(caption->isVisible());
    EXPECT_TRUE(shadow->isVisible());
    EXPECT_EQ(caption->parentWidget(), window->Picture1);
    EXPECT_EQ(caption->y(), 98);
    EXPECT_EQ(shadow->y(), 99);
    EXPECT_EQ(shadow->x(), caption->x() + 1);
    EXPECT_EQ(caption->width(), caption->sizeHint().width());
    EXPECT_LE(std::abs(caption->x() + caption->width() / 2 - 120), 1);
    EXPECT_TRUE(same_cell(window->Picture2->image(), 144, 80));
    EXPECT_EQ(open_high_score_dialog(), nullptr);

    // The yellow text shows on the canvas; of the shadow only its lower right edge peeks out.
    const QImage shot = window->Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int yellow = 0, olive = 0;
    for (int y = 98; y < 98 + caption->height() + 1; ++y) {
        for (int x = 0; x < 240; ++x) {
            yellow += shot.pixel(x, y) == qRgb(255, 255, 0);
            olive += shot.pixel(x, y) == qRgb(128, 128, 0);
        }
    }
    EXPECT_GT(yellow, 100);
    EXPECT_GT(olive, 0);
}

TEST_F(GameOverWindow, HighScoreEndingOpensTheDialogBesideTheWindow)
{
    Score_Table[3].Score = 101;
    Run_Game_Over(*window);
    QCoreApplication::processEvents();

    EXPECT_EQ(Game_Mode, 2);
    EXPECT_EQ(played, std::vector<QString>{QStringLiteral("/game/Hight.wav")});
    EXPECT_EQ(window->Label2[0]->y(), 98);
    EXPECT_EQ(window->Label2[1]->y(), 99);
    EXPECT_EQ(window->Picture2->pos(), QPoint(32, -16));
    EXPECT_TRUE(same_cell(window->Picture2->image(), 112, 64));

    QPointer<Form4> dialog = open_high_score_dialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->frameGeometry().topLeft(),
              window->frameGeometry().topLeft() + QPoint(88, 40));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dialog->size(), QSize(200, 152));
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(Score_Table[2].Score, 101);
    EXPECT_EQ(dialog->Label2_Tag, 2);

    dialog->Command1->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(dialog);
    EXPECT_EQ(Game_Mode, 3);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(Score_Table[2].Name, "me");
}

}  // namespace
