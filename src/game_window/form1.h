// The game window: menu bar, play field, status panel and the banner box. It owns its controls
// and carries every handler of the window, from its load to its menus; the rules reach it only
// through Screen.
#pragma once

#include "core/key_policy.h"
#include "display/surface.h"
#include "rules/screen.h"
#include "shell/sound.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <array>
#include <memory>

class Game_Controllers;

class Form1 : public QMainWindow, public Screen {
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    // Start-up, then the main loop for the life of the program; returns once the window has
    // been closed and the settings are saved, with the program's exit status: 1 when that last
    // save failed, else 0.
    int Form_Load();
    // Saves the settings and scores and ends the program (the close box, the exit command and
    // the ends from outside). An open dialog closes first as its close box would, and a ranking
    // score whose ending is cut short enters the table before the save.
    void Form_Unload();
    // SIGTERM, SIGHUP, SIGINT and the session manager's quit at a logout end the run from
    // outside; its request to save before the logout runs Save_Settings.
    void Watch_Session_End();
    // An end nobody may be there to watch: no message waits for a button, not even one already
    // open; each goes to standard error, and the run ends as the close box ends it.
    void End_From_Outside();
    // From now on every game controller plays as the keys it stands for. Called once the window
    // shows: SDL starts a little later still, and only once a controller device is there unless
    // without_device (SDL's own virtual controllers have none).
    void Watch_Controllers(bool without_device = false);
    // Writes Delvano.ini with the table as it stands, taking in what another copy of the game
    // saved meanwhile, and shows the table written; false (after the message) when it failed.
    // While another copy holds the file's lock the change waits, and goes to the disk as soon as
    // the lock is free; the game plays on meanwhile.
    bool Save_Settings();
    // A change the player made (the sound switch, the waits, a score entered, the table
    // cleared) goes to the disk at once; during the end of the run, the end's save takes it.
    void Save_Change();

    // Keyboard: the key policy decides, these carry it out.
    void Picture2_KeyDown(const Key_Event& key);
    void Picture2_KeyUp(const Key_Event& key);
    void Picture2_LostFocus();
    void Picture5_KeyDown(const Key_Event& key);
    void Picture1_KeyDown(const Key_Event& key);
    void Picture1_Click();
    // The picture that takes the keys in the current look gets the keyboard focus.
    void Focus_Key_Picture();

    // Menu commands.
    void mnuG1_Click();
    void mnuG3_Click();
    void mnuG5_Click();
    void mnuO2_Click();
    void mnuO4_Click();
    void mnuH1_Click();
    void mnuH3_Click();

    // The banner cartoon's tick.
    void Timer1_Timer();

    // The two looks of the play area.
    void Show_Title_Look();
    void Show_Play_Look();

    // The sound switch is the check mark of mnuO2 itself.
    bool Sound_Switch() const { return mnuO2->isChecked(); }

    // Screen: what the rules do to the window.
    void Paint_Digger(int sheet_x, int sheet_y) override;
    void Move_Digger(int left, int top) override;
    void Refresh_Digger() override;
    void Paint_Tile(int x, int y, int sheet_x, int sheet_y, Raster op) override;
    void Refresh_Field() override;
    void Set_Field_Top(int top) override;
    void Save_Field() override;
    void Clear_Field() override;
    void Restore_Field() override;
    void Map_Paint(int mode) override;
    void States_Refresh() override;
    void Wait_Prog(int slot) override;
    void Sound(const std::string& name) override;
    void Game_Over() override;
    void Yield() override;

    // Controls, named as the game's procedures know them.
    Surface* Client = nullptr;    // background picture with the painted layer over it
    Surface* Picture1 = nullptr;  // field canvas 240 × 240, inside the viewport
    Surface* Picture2 = nullptr;  // digger box 16 × 16, inside the viewport
    Surface* Picture3 = nullptr;  // play-field viewport 240 × 224
    Surface* Picture5 = nullptr;  // title picture
    Surface* Picture6 = nullptr;  // banner box 120 × 34
    Surface* Picture7 = nullptr;  // banner sprite
    Surface* Picture8 = nullptr;  // banner sprite
    Surface* Picture9 = nullptr;  // logo plate
    std::array<QLabel*, 10> Label1{};  // status panel texts
    std::array<QLabel*, 2> Label2{};   // game-over caption and its shadow
    QLabel* Label3 = nullptr;          // banner tagline
    QTimer* Timer1 = nullptr;
    int Timer1_Tag = -1;               // the banner's frame counter

    QAction* mnuG1 = nullptr;
    QAction* mnuG3 = nullptr;
    QAction* mnuG5 = nullptr;
    QAction* mnuO2 = nullptr;
    QAction* mnuO4 = nullptr;
    QAction* mnuH1 = nullptr;
    QAction* mnuH3 = nullptr;

    // The settings file this run reads at start and writes at the end.
    QString Settings_File;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Build_Controls();
    void Build_Menus();
    void Centre_On_Screen();
    void Carry_Out(Key_Effect effect, int key_code);

    // The end waits this long for another copy's lock, then tells of the failure.
    static constexpr int End_Lock_Wait_Ms = 5000;
    static constexpr int Save_Retry_Ms = 50;
    bool Save_At_End();

    Effect_Bank effects_;
    QTimer save_retry_;
    std::unique_ptr<Game_Controllers> controllers_;
    bool unloaded_ = false;
    int exit_status_ = 0;
};
