// What a key press does, sent as real key events to the pictures of the game window.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>

#include "core/module1.h"
#include "display/form1.h"

namespace {

class Keys : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        Wait_Value.fill(0);  // the entry animation of a new game then only yields
        window = std::make_unique<Form1>();
        window->show();
    }

    void press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier,
               bool repeat = false)
    {
        QKeyEvent event(QEvent::KeyPress, key, mods, QString(), repeat);
        QCoreApplication::sendEvent(target, &event);
    }

    void release(QWidget* target, Qt::Key key, bool repeat = false)
    {
        QKeyEvent event(QEvent::KeyRelease, key, Qt::NoModifier, QString(), repeat);
        QCoreApplication::sendEvent(target, &event);
    }

    std::unique_ptr<Form1> window;
};

TEST_F(Keys, DuringPlayTheThreeKeysSetAndClearTheirOwnFlag)
{
    Game_Mode = 1;
    Key_State = "000";
    press(window->Picture2, Qt::Key_Z, Qt::ShiftModifier);
    EXPECT_EQ(Key_State, "100");
    press(window->Picture2, Qt::Key_Right);
    EXPECT_EQ(Key_State, "101");
    press(window->Picture2, Qt::Key_Left);
    EXPECT_EQ(Key_State, "111");
    press(window->Picture2, Qt::Key_X);
    EXPECT_EQ(Key_State, "111");
    release(window->Picture2, Qt::Key_Z);
    EXPECT_EQ(Key_State, "011");
    release(window->Picture2, Qt::Key_Left);
    EXPECT_EQ(Key_State, "001");
    EXPECT_EQ(Game_Mode, 1);
}

TEST_F(Keys, AnAutoRepeatedReleaseDoesNotLetGo)
{
    Game_Mode = 1;
    Key_State = "000";
    press(window->Picture2, Qt::Key_Right);
    release(window->Picture2, Qt::Key_Right, true);
    press(window->Picture2, Qt::Key_Right, Qt::NoModifier, true);
    EXPECT_EQ(Key_State, "001");
    release(window->Picture2, Qt::Key_Right);
    EXPECT_EQ(Key_State, "000");
}

TEST_F(Keys, DuringGameOverNoKeyDoesAnything)
{
    Game_Mode = 2;
    Key_State = "010";
    const uint64_t serial = Game_Serial;
    press(window->Picture2, Qt::Key_Z);
    press(window->Picture2, Qt::Key_Space);
    release(window->Picture2, Qt::Key_Left);
    EXPECT_EQ(Game_Mode, 2);
    EXPECT_EQ(Key_State, "010");
    EXPECT_EQ(Game_Serial, serial);
}

TEST_F(Keys, OnTheTitleAnyKeyStartsAGame)
{
    for (Qt::Key key : {Qt::Key_Z, Qt::Key_Left, Qt::Key_A, Qt::Key_Escape}) {
        Game_Mode = 0;
        press(window->Picture2, key);
        EXPECT_EQ(Game_Mode, 1) << key;
        EXPECT_EQ(Key_State, "000");
        EXPECT_EQ(Life, 10);
        EXPECT_TRUE(window->Picture3->isVisibleTo(window.get()));
        EXPECT_FALSE(window->Picture5->isVisibleTo(window.get()));
    }
}

TEST_F(Keys, AKeyOnTheTitlePictureStartsAGameInEveryMode)
{
    for (int mode : {0, 1, 2, 3}) {
        Game_Mode = mode;
        const uint64_t serial = Game_Serial;
        press(window->Picture5, Qt::Key_B);
        EXPECT_EQ(Game_Mode, 1);
        EXPECT_GT(Game_Serial, serial);
    }
}

TEST_F(Keys, AKeyOrClickOnTheFieldOnlyMovesTheFocus)
{
    window->Show_Play_Look();
    Game_Mode = 1;
    Key_State = "000";
    const uint64_t serial = Game_Serial;
    press(window->Picture1, Qt::Key_Z);
    EXPECT_EQ(Key_State, "000");
    EXPECT_EQ(window->focusWidget(), window->Picture2);

    window->Picture5->setFocus();
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window->Picture1, &click);
    EXPECT_EQ(window->focusWidget(), window->Picture2);
    EXPECT_EQ(Game_Serial, serial);
}

}  // namespace
