// The high-score dialog as the player meets it: what it says, the name box, the three ways to
// close it, the flashing congratulation and the two dancers.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWindow>

#include "core/module1.h"
#include "dialogs/form4.h"
#include "display/pictures.h"

namespace {

void flush_events()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void press(QWidget* target, Qt::Key key, const QString& text = QString())
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &up);
}

void type(QWidget* target, const QString& text)
{
    for (QChar c : text) {
        const Qt::Key key = c.isLetter() ? Qt::Key(Qt::Key_A + (c.toUpper().unicode() - 'A'))
                                         : Qt::Key_unknown;
        press(target, key, QString(c));
    }
}

QColor text_colour(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

class HighScoreDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        Game_Mode = 2;
        Score_Table = {Score_Entry{"ONE", 500}, Score_Entry{"TWO", 300}, Score_Entry{"THREE", 100},
                       Score_Entry{"last", 0}};
        game_window.show();
    }

    void TearDown() override
    {
        delete dialog.data();
        Reset_Module1();
    }

    void open(int score)
    {
        Score_Table[3].Score = score;
        dialog = new Form4(&game_window);
        flush_events();
    }

    QWidget game_window;
    QPointer<Form4> dialog;
};

TEST_F(HighScoreDialog, LoadShowsPlaceScoreAndTheLastNameSelected)
{
    open(1234);
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("でるぼん ハイスコア"));
    EXPECT_EQ(dialog->size(), QSize(200, 152));
    EXPECT_FALSE(game_window.isEnabled());
    EXPECT_EQ(dialog->Label1[0]->text(), QStringLiteral("ハイスコアおめでとう！"));
    EXPECT_EQ(dialog->Label2[0]->text(), QStringLiteral("１位"));
    EXPECT_EQ(dialog->Label2_Tag, 0);
    EXPECT_EQ(dialog->Label2[1]->text(), QStringLiteral("１２３４ｐ"));
    EXPECT_EQ(dialog->Label1[1]->text(), QStringLiteral("順位"));
    EXPECT_EQ(dialog->Label1[2]->text(), QStringLiteral("スコア"));
    EXPECT_EQ(dialog->Label1[3]->text(), QStringLiteral("名前"));
    EXPECT_EQ(dialog->Command1->text(), QStringLiteral("閉じる(&X)"));
    EXPECT_EQ(dialog->Text1->text(), QStringLiteral("last"));
    EXPECT_EQ(dialog->Text1->geometry(), QRect(56, 80, 128, 19));
    EXPECT_EQ(dialog->Command1->geometry(), QRect(104, 112, 80, 24));
    EXPECT_EQ(dialog->Picture1[0]->pos(), QPoint(16, -16));
    EXPECT_EQ(dialog->Picture1[1]->pos(), QPoint(168, -16));
    EXPECT_TRUE(dialog->Timer1->isActive());
    EXPECT_EQ(dialog->Timer1->interval(), 100);
    EXPECT_EQ(Score_Table[0].Score, 1234);
    EXPECT_EQ(Score_Table[1].Name, "ONE");

    dialog->Text1->deselect();
    dialog->Text1_GotFocus();
    EXPECT_EQ(dialog->Text1->selectedText(), QStringLiteral("last"));
    // Focus arriving any way selects the whole name again.
    dialog->Command1->setFocus(Qt::OtherFocusReason);
    dialog->Text1->deselect();
    dialog->Text1->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(dialog->Text1->selectedText(), QStringLiteral("last"));
}

TEST_F(HighScoreDialog, SecondPlaceIsAnUpdateNotAHighScore)
{
    open(500);
    EXPECT_EQ(dialog->Label1[0]->text(), QStringLiteral("スコア更新おめでとう！"));
    EXPECT_EQ(dialog->Label2[0]->text(), QStringLiteral("２位"));
    EXPECT_EQ(dialog->Label2_Tag, 1);
}

TEST_F(HighScoreDialog, BackgroundIsTiledTeal)
{
    open(200);
    const QImage shot = dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(200, 152));
    for (QPoint p : {QPoint(0, 0), QPoint(199, 151), QPoint(100, 140), QPoint(5, 120),
                     QPoint(195, 60)}) {
        EXPECT_EQ(shot.pixel(p), Sheet().pixel(128 + p.x() % 16, 16 + p.y() % 16))
            << p.x() << "," << p.y();
    }
}

TEST_F(HighScoreDialog, NameBoxTakesTenCharactersAndNoQuote)
{
    open(200);
    dialog->Text1->clear();
    dialog->Text1->setFocus();
    type(dialog->Text1, QStringLiteral("AB\"CDEFGHIJKLM"));
    EXPECT_EQ(dialog->Text1->text(), QStringLiteral("ABCDEFGHIJ"));
    EXPECT_EQ(dialog->Text1->maxLength(), 10);
}

TEST_F(HighScoreDialog, EnterStoresTheTypedName)
{
    open(350);  // second place
    dialog->Text1->selectAll();
    type(dialog->Text1, QStringLiteral("Kai"));
    press(dialog->Text1, Qt::Key_Return);
    flush_events();
    EXPECT_FALSE(dialog);
    EXPECT_EQ(Score_Table[1].Name, "Kai");
    EXPECT_EQ(Score_Table[1].Score, 350);
    EXPECT_EQ(Score_Table[3].Name, "Kai");
    EXPECT_EQ(Score_Table[0].Name, "ONE");
    EXPECT_EQ(Score_Table[2].Name, "TWO");
    EXPECT_EQ(Game_Mode, 3);
    EXPECT_TRUE(game_window.isEnabled());
}

TEST_F(HighScoreDialog, EnterWithThePrefilledNameKeepsIt)
{
    open(150);
    press(dialog->Text1, Qt::Key_Enter);
    flush_events();
    EXPECT_FALSE(dialog);
    EXPECT_EQ(Score_Table[2].Name, "last");
    EXPECT_EQ(Score_Table[2].Score, 150);
}

TEST_F(HighScoreDialog, ButtonStoresTheNameAsEnterDoes)
{
    open(900);
    dialog->Text1->setText(QStringLiteral("すずき"));
    dialog->Command1->click();
    flush_events();
    EXPECT_FALSE(dialog);
    EXPECT_EQ(Score_Table[0].Name, "すずき");
    EXPECT_EQ(Score_Table[3].Name, "すずき");
    EXPECT_EQ(Game_Mode, 3);
    EXPECT_TRUE(game_window.isEnabled());
}

TEST_F(HighScoreDialog, CloseBoxStoresTheNameAsTheButtonDoes)
{
    open(120);
    dialog->Text1->setText(QString());
    ASSERT_NE(dialog->windowHandle(), nullptr);
    dialog->windowHandle()->close();
    flush_events();
    EXPECT_FALSE(dialog);
    EXPECT_EQ(Score_Table[2].Name, "");
    EXPECT_EQ(Score_Table[2].Score, 120);
    EXPECT_EQ(Score_Table[3].Name, "");
    EXPECT_EQ(Game_Mode, 3);
    EXPECT_TRUE(game_window.isEnabled());
}

TEST_F(HighScoreDialog, NextHighScoreOffersTheNameEnteredLast)
{
    open(700);
    dialog->Text1->setText(QStringLiteral("Mio"));
    dialog->Command1->click();
    flush_events();
    ASSERT_FALSE(dialog);

    Game_Mode = 2;
    open(800);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->Text1->text(), QStringLiteral("Mio"));
    EXPECT_EQ(dialog->Label2_Tag, 0);
    EXPECT_EQ(Score_Table[1].Name, "Mio");
    EXPECT_EQ(Score_Table[1].Score, 700);
}

TEST_F(HighScoreDialog, CongratulationFlashesYellowWhiteYellowOrange)
{
    open(200);
    dialog->Timer1->stop();
    const QColor before = text_colour(dialog->Label1[0]);
    EXPECT_NE(before, QColor(255, 255, 0));
    EXPECT_NE(before, QColor(255, 128, 0));
    const QColor cycle[] = {QColor(255, 255, 0), QColor(255, 255, 255), QColor(255, 255, 0),
                            QColor(255, 128, 0)};
    for (int tick = 1; tick <= 12; ++tick) {
        dialog->Timer1_Timer();
        EXPECT_EQ(text_colour(dialog->Label1[0]), cycle[(tick - 1) % 4]) << "tick " << tick;
        EXPECT_EQ(dialog->Timer1_Tag, tick % 4);
    }
}

// What a dancer box must hold: the teal tile behind it, the silhouette cut out with the mask
// and the sprite laid into the hole.
QImage expected_dancer(QPoint at, int sheet_x)
{
    QImage image(16, 16, QImage::Format_RGB32);
    const QImage& sheet = Sheet();
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QRgb tile = sheet.pixel(128 + (at.x() + x) % 16, 16 + (at.y() + y) % 16);
            const QRgb mask = sheet.pixel(sheet_x + x, 80 + y);
            const QRgb sprite = sheet.pixel(sheet_x + x, 64 + y);
            image.setPixel(x, y, (((tile & mask) | sprite) & 0xffffffu) | 0xff000000u);
        }
    }
    return image;
}

void expect_dancer(const Surface* box, int sheet_x, const char* when)
{
    const QImage want = expected_dancer(box->pos(), sheet_x);
    const QImage& got = box->image();
    int wrong = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            wrong += (got.pixel(x, y) & 0xffffffu) != (want.pixel(x, y) & 0xffffffu);
    EXPECT_EQ(wrong, 0) << when << " at " << box->x() << "," << box->y();
}

TEST_F(HighScoreDialog, DancersDropEightTicksThenDance)
{
    open(200);
    dialog->Timer1->stop();
    for (int tick = 1; tick <= 8; ++tick) {
        dialog->Timer1_Timer();
        EXPECT_EQ(dialog->Picture1[0]->y(), -16 + 4 * tick);
        EXPECT_EQ(dialog->Picture1[1]->y(), -16 + 4 * tick);
    }
    EXPECT_EQ(dialog->Picture1[0]->pos(), QPoint(16, 16));
    EXPECT_EQ(dialog->Picture1[1]->pos(), QPoint(168, 16));
    expect_dancer(dialog->Picture1[0], 112, "landing");
    expect_dancer(dialog->Picture1[1], 112, "landing");

    // Tick 9 leaves the counter at 1: the second cheering frame, and so on round the cycle.
    for (int tick = 9; tick <= 13; ++tick) {
        dialog->Timer1_Timer();
        EXPECT_EQ(dialog->Picture1[0]->pos(), QPoint(16, 16));
        const int frame = 64 + 16 * (tick % 4);
        expect_dancer(dialog->Picture1[0], frame, "dancing");
        expect_dancer(dialog->Picture1[1], frame, "dancing");
    }

    // And what the player sees is that box, over the tiles.
    flush_events();
    const QImage shot = dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& box = dialog->Picture1[1]->image();
    int differ = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            differ += (shot.pixel(168 + x, 16 + y) & 0xffffffu) != (box.pixel(x, y) & 0xffffffu);
    EXPECT_EQ(differ, 0);
}

TEST_F(HighScoreDialog, DancerArtIsNotJustTheTiles)
{
    // Guards the pixel checks above against a sheet whose dance cells are blank.
    const QImage plain = expected_dancer(QPoint(16, 16), 112);
    int sprite_pixels = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            sprite_pixels += plain.pixel(x, y) != Sheet().pixel(128 + x, 16 + y);
    EXPECT_GT(sprite_pixels, 20);
}

}  // namespace
