#include "dialogs/form2.h"

#include "dialogs/form2_previews.h"
#include "display/blit.h"
#include "display/game_font.h"
#include "display/palette.h"
#include "display/pictures.h"
#include "state/module1.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

const char* const Row_Names[Wait_Slot_Count] = {
    "左右移動", "向きを変える", "穴を掘る", "穴へ飛び込む", "落下中", "着地する", "その他",
};

}  // namespace

Form2::Form2(QWidget* game_window)
    : Game_Dialog(game_window, QStringLiteral("でるぼん ウエイト設定"), QSize(393, 225),
                  Wait_Settings_Texture)
{
    Build_Controls();
    Form_Load();
}

void Form2::Build_Controls()
{
    const QFont font = Game_Font(13);

    auto heading = [&](int left, int top, const char* text) {
        return Transparent_Label(Client, left, top, 0, 13, White, font, Qt::AlignLeft,
                                 QString::fromUtf8(text));
    };
    for (QLabel* label : {heading(16, 16, "アクション"), heading(120, 16, "軽い"),
                          heading(192, 16, "重い"), heading(232, 16, "簡易設定"),
                          heading(16, 184, "※ここでのアニメーション速度は参考程度です。"),
                          heading(29, 200, "お使いのパソコンの性能によって大幅に変わります。")})
        label->adjustSize();

    for (int slot = 0; slot < Wait_Slot_Count; ++slot) {
        Picture1[slot] = new Surface(Client, 16, 16, Black);
        Picture1[slot]->move(16, 32 + 20 * slot);
        Label1[slot] = Transparent_Label(Client, 40, 34 + 20 * slot, 52, 13, White, font,
                                         Qt::AlignLeft, QString::fromUtf8(Row_Names[slot]));
        // The longer names are wider than 52 px in our face; they may run on up to the slider
        // rather than lose their last characters.
        Label1[slot]->setFixedWidth(
            std::max(52, QFontMetrics(font).horizontalAdvance(Label1[slot]->text())));

        auto* slider = new QScrollBar(Qt::Horizontal, Client);
        slider->setGeometry(120, 34 + 20 * slot, 97, 13);
        slider->setRange(0, Wait_Slider_Max);
        slider->setSingleStep(1);
        slider->setPageStep(1);
        slider->setValue(0);
        connect(slider, &QScrollBar::valueChanged, this, [this, slot] { HScroll1_Change(slot); });
        HScroll1[slot] = slider;

        auto* timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(1);
        connect(timer, &QTimer::timeout, this, [this, slot] { Timer_Timer(slot); });
        Timer[slot] = timer;
    }

    Combo1 = new QComboBox(Client);
    Combo1->setGeometry(232, 32, 145, Combo1->sizeHint().height());
    Combo1->setFont(font);
    for (const QString& name : Preset_Names())
        Combo1->addItem(name);
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

    static const char* const captions[3] = {"元に戻す(&U)", "設定を更新(&R)", "閉じる(&X)"};
    static const int tops[3] = {80, 108, 144};
    for (int i = 0; i < 3; ++i) {
        Command1[i] = new QPushButton(QString::fromUtf8(captions[i]), Client);
        Command1[i]->setGeometry(264, tops[i], 113, 24);
        Command1[i]->setFont(font);
        Command1[i]->setAutoDefault(false);
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
}

void Form2::Form_Load()
{
    Tile_Background();

    Combo1->setCurrentIndex(0);
    Combo1_Click();

    // A value the slider cannot hold shows at the nearest end; it changes only on apply.
    for (int slot = 0; slot < Wait_Slot_Count; ++slot)
        HScroll1[slot]->setValue(Wait_Value[slot]);

    for (QTimer* timer : Timer)
        timer->start();
}

void Form2::Unload_Steps()
{
    for (QTimer* timer : Timer)
        timer->stop();
}

void Form2::Command1_Click(int index)
{
    switch (index) {
    case 0:
        for (int slot = 0; slot < Wait_Slot_Count; ++slot)
            HScroll1[slot]->setValue(Wait_Value[slot]);
        break;
    case 1:
        for (int slot = 0; slot < Wait_Slot_Count; ++slot)
            Wait_Value[slot] = HScroll1[slot]->value();
        break;
    case 2:
        close();
        break;
    default:
        break;
    }
}

void Form2::Combo1_Click()
{
    const auto positions = Preset_Positions(Combo1->currentIndex());
    if (!positions)
        return;
    for (int slot = 0; slot < Wait_Slot_Count; ++slot)
        HScroll1[slot]->setValue((*positions)[slot]);
}

void Form2::HScroll1_Change(int slot)
{
    Timer[slot]->setInterval(Preview_Interval(HScroll1[slot]->value()));
}

void Form2::Timer_Timer(int slot)
{
    Timer_Tag[slot] = Next_Preview_Frame(slot, Timer_Tag[slot]);
    QImage& box = Picture1[slot]->image();
    for (const Preview_Copy& copy : Preview_Frame(slot, Timer_Tag[slot]))
        Blit(box, Sheet(), copy.dx, copy.dy, copy.w, copy.h, copy.sx, copy.sy);
    Picture1[slot]->update();
}
