// The end of a game on the game window: the caption over the field and the name dialog.
#include "dialogs/form4.h"
#include "game_window/form1.h"
#include "rules/game_over.h"

#include <QLabel>

namespace {

// The caption and its shadow stay centred on the middle of the field, the shadow one pixel
// to the right, whatever width the text gives them.
constexpr int Caption_Centre = 120;
constexpr int Shadow_Centre = 121;

class Form1_Stage final : public Game_Over_Stage {
public:
    explicit Form1_Stage(Form1& window) : window_(window) {}

    void Set_Caption_Text(const std::string& text) override
    {
        for (QLabel* label : window_.Label2) {
            label->setText(QString::fromStdString(text));
            label->resize(label->sizeHint().width(), label->height());
        }
    }

    void Set_Caption_Tops(int caption_top, int shadow_top) override
    {
        place(*window_.Label2[0], Caption_Centre, caption_top);
        place(*window_.Label2[1], Shadow_Centre, shadow_top);
    }

    void Show_Caption() override
    {
        window_.Label2[0]->show();
        window_.Label2[1]->show();
    }

    void Open_High_Score_Dialog() override
    {
        auto* dialog = new Form4(&window_);
        // The score reaches the file as it enters the table, under the name the box starts with,
        // so a run lost with the dialog open keeps it; the name follows when the dialog closes.
        Form1& window = window_;
        window.Save_Change();
        QObject::connect(dialog, &Game_Dialog::Unloaded, &window,
                         [&window] { window.Save_Change(); });
        dialog->Open_At(QPoint(88, 40));
    }

private:
    static void place(QLabel& label, int centre, int top)
    {
        label.move(centre - label.width() / 2, top);
    }

    Form1& window_;
};

}  // namespace

void Form1::Game_Over()
{
    Form1_Stage stage(*this);
    Game_Over_Sequence(*this, stage);
}
