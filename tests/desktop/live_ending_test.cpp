// The end of a ranking game on a real desktop (X server, openbox, PulseAudio), reached on cue:
// the game window runs in this process on a stage set by the test, and every key comes from the
// X server. A key held through the ending types nothing into the name and starts nothing after.
#include "core/main_loop.h"
#include "desktop/live_desktop.h"
#include "dialogs/form4.h"
#include "display/palette.h"
#include "game_window/form1.h"
#include "rules/cell_codes.h"
#include "state/module1.h"
#include "state/random_source.h"
#include "support/look.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>

Live_Desktop* The_Desktop = nullptr;  // brought up by main before the application

namespace {

// Counts the presses of one key that reach one widget: the X server's repeats of a held key.
struct Press_Counter : QObject {
    QObject* target = nullptr;
    int presses = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool z = event->type() == QEvent::KeyPress &&
                       static_cast<QKeyEvent*>(event)->key() == Qt::Key_Z;
        presses += z && watched == target;
        return false;
    }
};

Form4* name_dialog()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<Form4*>(window); dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

QString hex(WId window) { return "0x" + QString::number(window, 16); }

TEST(Live_Ending, AKeyHeldThroughARankingEndingTypesNothingAndStartsNothing)
{
    Live_Desktop& desktop = *The_Desktop;
    const auto xdotool = [&](const QString& keys) { desktop.run("xdotool", keys.split(' ')); };
    Reset_Module1();
    App_Dir = DELVANO_PROGRAM_DIR "/";  // the effects play from the built program folder
    Wait_Value = {0, 0, 0, 0, 0, 0, 2};  // each frame of the ending long enough for Z to repeat
    Set_Random_Source([] { return 0.7; });  // a new map of empty rows under the first soil
    Form1 window;
    window.Show_Title_Look();
    window.show();
    window.activateWindow();
    window.Focus_Key_Picture();
    Press_Counter z_presses;
    qApp->installEventFilter(&z_presses);

    int step = 0;
    QString name_typed = "(no dialog)", dialog_title, after_ending;
    QRect caption;
    bool dialog_above = false;
    QTimer cue;  // the test's moves, made between the game's own events
    QObject::connect(&cue, &QTimer::timeout, [&] {
        Form4* dialog = name_dialog();
        if (step == 0 && QApplication::activeWindow() == &window) {
            xdotool("key space");
            step = 1;
        } else if (step == 1 && Game_Mode == Mode_Playing && window.Picture2->hasFocus()) {
            // The game's last life, a damage item one step right, a score for the first place.
            Map_Line[1] = "020000000000000";
            Life = 1;
            Score_Table = {Score_Entry{"A", 500}, {"B", 300}, {"C", 100}, {"me", 600}};
            xdotool("keydown Right");
            step = 2;
        } else if (step == 2 && Game_Mode == Mode_Game_Over) {
            xdotool("keyup Right keydown z");
            step = 3;
        } else if (step == 3 && dialog) {
            if (z_presses.target != dialog->Text1)  // count from the dialog's opening on
                z_presses.target = dialog->Text1, z_presses.presses = 0;
            if (z_presses.presses < 2)
                return;
            name_typed = dialog->Text1->text();
            dialog_title = desktop.xprop(hex(dialog->winId()), "_NET_WM_NAME").remove('"');
            const QStringList stack = desktop.xprop("-root", "_NET_CLIENT_LIST_STACKING")
                                          .remove("window id # ").split(", ");
            dialog_above = stack.indexOf(hex(dialog->winId())) > stack.indexOf(hex(window.winId()));
            const QImage field = window.Picture3->grab().toImage();
            caption = ink_box(field.rect(),
                              [&](int x, int y) { return is_ink(field.pixelColor(x, y), Yellow); });
            // Closed by its button: a key press would end the held key's repeats.
            const QPoint button = dialog->Command1->mapToGlobal(dialog->Command1->rect().center());
            z_presses.presses = 0, z_presses.target = window.Picture2;
            xdotool(QString("mousemove %1 %2 click 1").arg(button.x()).arg(button.y()));
            step = 4;
        } else if (step == 4 && !dialog && z_presses.presses >= 2) {
            after_ending = Game_Mode == Mode_Playing ? "a game started" : "still the ending's look";
            xdotool("keyup z key space");
            step = 5;
        }
    });
    cue.start(20);
    const QDeadlineTimer deadline(12000);
    const auto going_on = [&] { return !(step == 5 && Game_Mode == Mode_Playing); };
    Run_Main_Loop(window, [&] { return going_on() && !deadline.hasExpired(); });
    Set_Random_Source(nullptr);
    qApp->removeEventFilter(&z_presses);

    EXPECT_EQ(step, 5) << "the script stopped there";
    EXPECT_EQ(Game_Mode, Mode_Playing);  // a fresh press after the ending starts the next game
    EXPECT_EQ(name_typed, "me");
    EXPECT_EQ(after_ending, "still the ending's look");
    EXPECT_EQ(Score_Table[0].Name + " " + std::to_string(Score_Table[0].Score), "me 600");
    EXPECT_EQ(dialog_title, "でるぼん ハイスコア");
    EXPECT_TRUE(dialog_above);
    EXPECT_EQ(caption, QRect(59, 100, 123, 17));  // "ゲームオーバー" in its 21 px bold face
}

}  // namespace
