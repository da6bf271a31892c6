// The menu bar of the game window and what each of its commands does. No item has a shortcut
// besides its access key.
#include "core/new_game.h"
#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "game_window/form1.h"
#include "rules/high_score_table.h"
#include "shell/message_box.h"
#include "shell/readme_viewer.h"
#include "state/module1.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

// A dialog already open comes to the front instead of a second one; nothing comes back then.
template <class Dialog>
Dialog* open_once(Form1& window, QPoint offset)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* open = qobject_cast<Dialog*>(top); open && open->isVisible()) {
            open->raise();
            open->activateWindow();
            return nullptr;
        }
    }
    auto* dialog = new Dialog(&window);
    dialog->Open_At(offset);
    return dialog;
}

}  // namespace

void Form1::Build_Menus()
{
    auto command = [this](QMenu* menu, const char* caption, void (Form1::*handler)()) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };

    QMenu* game = menuBar()->addMenu(QStringLiteral("ゲーム(&G)"));
    mnuG1 = command(game, "最初から(&N)", &Form1::mnuG1_Click);
    game->addSeparator();
    mnuG3 = command(game, "ハイスコアの初期化(&C)", &Form1::mnuG3_Click);
    game->addSeparator();
    mnuG5 = command(game, "でるぼんの終了(&X)", &Form1::mnuG5_Click);

    QMenu* options = menuBar()->addMenu(QStringLiteral("オプション(&O)"));
    mnuO2 = options->addAction(QStringLiteral("効果音を鳴らす(&S)"));
    mnuO2->setCheckable(true);
    mnuO2->setChecked(true);
    // The check mark is flipped by mnuO2_Click itself, not by the toolkit.
    connect(mnuO2, &QAction::triggered, this, [this](bool checked) {
        mnuO2->setChecked(!checked);  // undo the toolkit's own toggle
        mnuO2_Click();
    });
    options->addSeparator();
    mnuO4 = command(options, "ウエイト設定(&W)", &Form1::mnuO4_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    mnuH1 = command(help, "Ｒｅａｄｍｅ参照(&R)", &Form1::mnuH1_Click);
    help->addSeparator();
    mnuH3 = command(help, "バージョン情報(&V)", &Form1::mnuH3_Click);
}

void Form1::mnuG1_Click()
{
    // A ranking score whose ending this new game overtakes enters the table, and the file.
    if (High_Score_Pending) {
        Enter_Overtaken_High_Score();
        Save_Change();
    }
    Run_New_Game(*this, [this] { Show_Play_Look(); }, [this] { Picture2->setFocus(); });
}

void Form1::mnuG3_Click()
{
    const Msg_Answer answer =
        Msg_Box(QStringLiteral("ハイスコアをクリアします\r\rよろしいですか？"), Msg_Buttons::Yes_No,
                Msg_Icon::Question);
    if (answer != Msg_Answer::Yes)
        return;
    Clear_High_Scores();
    States_Refresh();
    Save_Change();
}

void Form1::mnuG5_Click()
{
    // The same road as the close box, so the settings are saved on the way out.
    close();
}

void Form1::mnuO2_Click()
{
    mnuO2->setChecked(!mnuO2->isChecked());
    Save_Change();
}

void Form1::mnuO4_Click()
{
    // The waits applied reach the file when the dialog closes.
    if (Form2* dialog = open_once<Form2>(*this, QPoint(-8, 20)))
        connect(dialog, &Game_Dialog::Unloaded, this, [this] { Save_Change(); });
}

void Form1::mnuH1_Click()
{
    Show_Readme(QString::fromStdString(App_Dir));
}

void Form1::mnuH3_Click()
{
    open_once<Form3>(*this, QPoint(74, 40));
}
