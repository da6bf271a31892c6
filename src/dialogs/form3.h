// でるぼん バージョン情報: name, version, icon, the team's credit and where to send feedback.
// No button: the close box closes it.
#pragma once

#include <array>

#include <QLabel>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "display/surface.h"

// "Ver" + major + "." + the minor number's last two digits, zero-padded.
QString Version_Text(int major, int minor);

class Form3 : public QWidget {
    Q_OBJECT
public:
    // Builds and loads the dialog; closing it deletes it and enables game_window again.
    explicit Form3(QWidget* game_window);
    ~Form3() override;

    void Form_Load();
    void Form_Unload();

    Surface* Client = nullptr;        // the tiled client area 221 × 177
    QLabel* Image1 = nullptr;         // the 32 × 32 program icon
    std::array<QLabel*, 2> Label1{};  // "でるぼん" and its shadow
    std::array<QLabel*, 2> Label2{};  // the version text and its shadow
    QLabel* Label3 = nullptr;         // the credit line
    std::array<QLabel*, 4> Label4{};  // the request for feedback and the contact
    QWidget* Line1 = nullptr;         // the rule under the contact

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Build_Controls();

    QPointer<QWidget> game_window_;
    bool unloaded_ = false;
};
