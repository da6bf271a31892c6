// The menu tree of the game window. No item has a shortcut besides its access key.
#include <QMenu>
#include <QMenuBar>

#include "display/form1.h"

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

void Form1::mnuO2_Click()
{
    mnuO2->setChecked(!mnuO2->isChecked());
}
