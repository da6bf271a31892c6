// The menu commands of the game window, except the new game and the sound switch.
#include <QString>

#include "core/module1.h"
#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "display/form1.h"
#include "rules/high_score_table.h"
#include "shell/message_box.h"
#include "shell/readme_viewer.h"

void Form1::mnuG3_Click()
{
    const Msg_Answer answer =
        Msg_Box(QStringLiteral("ハイスコアをクリアします\r\rよろしいですか？"), Msg_Buttons::Yes_No,
                Msg_Icon::Question);
    if (answer != Msg_Answer::Yes)
        return;
    Clear_High_Scores();
    States_Refresh();
}

void Form1::mnuG5_Click()
{
    // The same road as the close box, so the settings are saved on the way out.
    close();
}

void Form1::mnuO4_Click()
{
    (new Form2(this))->Open_At(QPoint(-8, 20));
}

void Form1::mnuH1_Click()
{
    Show_Readme(QString::fromStdString(App_Dir));
}

void Form1::mnuH3_Click()
{
    (new Form3(this))->Open_At(QPoint(74, 40));
}
