// Start-up, the main loop, and the end of the program.
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

#include "core/main_loop.h"
#include "core/module1.h"
#include "core/random_source.h"
#include "display/form1.h"
#include "shell/new_game.h"
#include "shell/settings_file.h"
#include "shell/sound.h"

void Form1::Form_Load()
{
    Seed_Random(static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch()));
    App_Dir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    if (App_Dir.empty() || App_Dir.back() != '/')
        App_Dir += '/';

    Settings_File = Settings_Path(QString::fromStdString(App_Dir));
    bool sound_switch = mnuO2->isChecked();
    const Load_Result loaded = Settings_Load(Settings_File, sound_switch);
    mnuO2->setChecked(sound_switch);
    if (loaded == Load_Result::Loaded)
        States_Refresh();

    Sound_Check(*mnuO2);

    Game_Mode = 0;
    Show_Title_Look();
    Life = 0;
    States_Refresh();

    Centre_On_Screen();
    show();
    Picture5->setFocus();

    Run_Main_Loop(*this, [this] { return !unloaded_; });
}

void Form1::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    // Whatever is still animating stops at its next wait.
    ++Game_Serial;
    Settings_Save(Settings_File, Sound_Switch());
}

void Form1::mnuG1_Click()
{
    Run_New_Game(*this, [this] { Show_Play_Look(); }, [this] { Picture2->setFocus(); });
}
