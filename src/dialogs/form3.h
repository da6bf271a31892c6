// でるぼん バージョン情報: name, version, icon, the team's credit and where to send feedback.
// No button: the close box closes it.
#pragma once

#include "dialogs/game_dialog.h"

#include <QLabel>
#include <QString>

#include <array>

class Form3 : public Game_Dialog {
    Q_OBJECT
public:
    // Builds and loads the dialog; closing it deletes it and enables game_window again.
    explicit Form3(QWidget* game_window);

    void Form_Load();

    QLabel* Image1 = nullptr;         // the 32 × 32 program icon
    std::array<QLabel*, 2> Label1{};  // "でるぼん" and its shadow
    std::array<QLabel*, 2> Label2{};  // the version text and its shadow
    QLabel* Label3 = nullptr;         // the credit line
    std::array<QLabel*, 4> Label4{};  // the request for feedback and the contact
    QWidget* Line1 = nullptr;         // the rule under the contact

private:
    void Build_Controls();
};
