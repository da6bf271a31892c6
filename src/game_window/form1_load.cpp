// Start-up, the main loop, and the end of the program.
#include "core/main_loop.h"
#include "game_window/form1.h"
#include "rules/high_score_table.h"
#include "shell/end_signals.h"
#include "shell/game_controllers.h"
#include "shell/message_box.h"
#include "shell/settings_file.h"
#include "shell/sound.h"
#include "state/module1.h"
#include "state/random_source.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QSessionManager>

int Form1::Form_Load()
{
    Watch_Session_End();
    Seed_Random(static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch()));
    App_Dir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    if (App_Dir.empty() || App_Dir.back() != '/')
        App_Dir += '/';

    const QString app_dir = QString::fromStdString(App_Dir);
    Settings_File = Settings_Path(app_dir);
    bool sound_switch = mnuO2->isChecked();
    const Load_Result loaded = Settings_Load_Start(Settings_File, app_dir, sound_switch);
    mnuO2->setChecked(sound_switch);
    if (loaded == Load_Result::Loaded)
        States_Refresh();

    Sound_Check(*mnuO2);
    // A signal that came while the broken-file message was open has ended the run already.
    if (unloaded_)
        return exit_status_;

    Game_Mode = Mode_Idle;
    Show_Title_Look();
    Life = Life_Min;
    States_Refresh();

    Centre_On_Screen();
    show();
    Picture5->setFocus();
    Watch_Controllers();

    Run_Main_Loop(*this, [this] { return !unloaded_; });
    return exit_status_;
}

void Form1::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    // Every other window goes as its own close box would take it; the name dialog stores the
    // name typed so far.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    // Whatever is still animating stops at its next wait; an ending cut short there leaves its
    // score in the table.
    Enter_Overtaken_High_Score();
    ++Game_Serial;
    exit_status_ = Save_At_End() ? 0 : 1;
}

void Form1::Watch_Session_End()
{
    Watch_End_Signals(*this, [this] { End_From_Outside(); });
    // The session manager wants the data safe before it logs out; it may still cancel the
    // logout, so the run goes on. A failure goes to standard error meanwhile (Msg_Box).
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { Save_Settings(); }, Qt::DirectConnection);
}

void Form1::End_From_Outside()
{
    Set_Msg_Box_Unattended(true);
    // Once the end is under way (a message of its save was open), this only lets it go on.
    close();
}

void Form1::Watch_Controllers(bool without_device)
{
    if (!controllers_)
        controllers_ = std::make_unique<Game_Controllers>(*this);
    controllers_->Start(without_device);
}

bool Form1::Save_Settings()
{
    const Save_Result saved = Settings_Save(Settings_File, Sound_Switch());
    States_Refresh();
    if (saved == Save_Result::Waiting && !unloaded_)
        save_retry_.start();
    else
        save_retry_.stop();
    return saved == Save_Result::Saved;
}

bool Form1::Save_At_End()
{
    save_retry_.stop();
    // Never without the lock: a copy that holds it for longer hangs, and writing past it could
    // replace that copy's newer file with an older table.
    const Save_Result saved = Settings_Save(Settings_File, Sound_Switch(), End_Lock_Wait_Ms);
    if (saved == Save_Result::Waiting)
        Report_Settings_Save_Failure();
    return saved == Save_Result::Saved;
}

void Form1::Save_Change()
{
    if (!unloaded_)
        Save_Settings();
}
