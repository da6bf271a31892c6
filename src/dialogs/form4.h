// でるぼん ハイスコア: takes the new score into the table and asks for the name, while two
// small diggers drop in and dance. The game window stays disabled until it closes.
#pragma once

#include "dialogs/game_dialog.h"
#include "display/surface.h"
#include "state/module1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <set>

class Form4 : public Game_Dialog {
    Q_OBJECT
public:
    // Builds and loads the dialog (the score goes into the table here); closing it stores
    // the name, enables game_window again and deletes the dialog.
    explicit Form4(QWidget* game_window);

    void Form_Load();

    void Text1_GotFocus();
    void Text1_KeyDown(int key_code, int shift);
    void Command1_Click();
    void Timer1_Timer();

    std::array<QLabel*, 4> Label1{};     // congratulation, "順位", "スコア", "名前"
    std::array<QLabel*, 2> Label2{};     // the place and the score
    int Label2_Tag = 0;                  // the place the new score took, 0..2 (3: none)
    QLineEdit* Text1 = nullptr;          // the name box
    QPushButton* Command1 = nullptr;
    std::array<Surface*, 2> Picture1{};  // the two dancers
    QTimer* Timer1 = nullptr;
    int Timer1_Tag = 0;                  // the dancers' frame and the colour step

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void Unload_Steps() override;

private:
    void Build_Controls();
    // frame 0..3 of the cheering cycle.
    void Draw_Dancer(Surface& box, int frame);

    // The new score as it entered the table, under the name the box starts with.
    Score_Entry entered_;
    // Keys pressed since the dialog opened; the repeats of any other key are a key held
    // through the end of the game, not typing.
    std::set<int> pressed_here_;
};
