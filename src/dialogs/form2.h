// でるぼん ウエイト設定: the seven pacing values, each on a slider with a live preview beside it.
// The sliders are the pending settings; nothing reaches Wait_Value before the apply button.
#pragma once

#include "dialogs/game_dialog.h"
#include "display/surface.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <array>

class Form2 : public Game_Dialog {
    Q_OBJECT
public:
    // Builds and loads the dialog; closing it deletes it and enables game_window again.
    explicit Form2(QWidget* game_window);

    void Form_Load();

    void Command1_Click(int index);  // 0 revert, 1 apply, 2 close
    void Combo1_Click();
    void HScroll1_Change(int slot);
    // Timer1..Timer7 are Timer[0]..Timer[6], one per slot.
    void Timer_Timer(int slot);

    std::array<Surface*, 7> Picture1{};         // the preview boxes
    std::array<QLabel*, 7> Label1{};            // the row labels
    std::array<QScrollBar*, 7> HScroll1{};
    QComboBox* Combo1 = nullptr;
    std::array<QPushButton*, 3> Command1{};
    std::array<QTimer*, 7> Timer{};
    std::array<int, 7> Timer_Tag{};             // each preview's frame counter

protected:
    void Unload_Steps() override;

private:
    void Build_Controls();
};
