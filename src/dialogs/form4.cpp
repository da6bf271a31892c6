#include "dialogs/form4.h"

#include "core/key_codes.h"
#include "dialogs/form4_score_entry.h"
#include "dialogs/game_dialog.h"
#include "dialogs/name_box_pad.h"
#include "display/blit.h"
#include "display/game_font.h"
#include "display/palette.h"
#include "display/pictures.h"
#include "rules/high_score_table.h"
#include "shell/key_events.h"
#include "shell/pad_event.h"
#include "state/module1.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace {

constexpr int Name_Length = 10;
constexpr int Landed_Top = 16;
// While they drop in, the dancers hold the cheering cycle's last frame, one arm up.
constexpr int Dropping_Frame = 3;

}  // namespace

Form4::Form4(QWidget* game_window)
    : Game_Dialog(game_window, QStringLiteral("でるぼん ハイスコア"), QSize(200, 152),
                  High_Score_Texture)
{
    setFont(Game_Font(13));
    Build_Controls();
    Form_Load();
}

void Form4::Build_Controls()
{
    const QFont font = Game_Font(13);

    // Until the first tick the congratulation wears the toolkit's own text colour.
    const QColor plain = palette().color(QPalette::WindowText);
    Label1[0] = Transparent_Label(Client, 35, 18, 137, 13, plain, Game_Font(13, true),
                                  Qt::AlignHCenter, QString());
    Label1[1] = Transparent_Label(Client, 16, 46, 0, 13, Yellow, font, Qt::AlignLeft,
                                  QStringLiteral("順位"));
    Label1[2] = Transparent_Label(Client, 16, 64, 0, 13, Yellow, font, Qt::AlignLeft,
                                  QStringLiteral("スコア"));
    Label1[3] = Transparent_Label(Client, 16, 82, 0, 13, Yellow, font, Qt::AlignLeft,
                                  QStringLiteral("名前"));
    for (int i = 1; i <= 3; ++i)
        Label1[i]->adjustSize();
    Label2[0] = Transparent_Label(Client, 56, 46, 0, 13, White, font, Qt::AlignLeft, QString());
    Label2[1] = Transparent_Label(Client, 56, 64, 0, 13, White, font, Qt::AlignLeft, QString());

    Text1 = new QLineEdit(Client);
    Text1->setGeometry(56, 80, 128, 19);
    Text1->setMaxLength(Name_Length);
    // The settings file quotes every name, so a name must not hold a quote of its own.
    Text1->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\"]*")), Text1));
    Text1->installEventFilter(this);

    Command1 = new QPushButton(QStringLiteral("閉じる(&X)"), Client);
    Command1->setGeometry(104, 112, 80, 24);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    setTabOrder(Text1, Command1);

    // The dancers are made after the labels so that they lie above the congratulation.
    Picture1[0] = new Surface(Client, 16, 16, Black);
    Picture1[0]->move(16, 16);
    Picture1[1] = new Surface(Client, 16, 16, Black);
    Picture1[1]->move(168, 16);

    Timer1 = new QTimer(this);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void Form4::Form_Load()
{
    // The game window was disabled when the dialog came into being.
    Tile_Background();

    const int place = Enter_High_Score();
    entered_ = Score_Table[Playing_Entry];
    Label1[0]->setText(Congratulation_Text(place));
    Label2_Tag = place;
    Label2[0]->setText(Place_Text(place));
    Label2[0]->adjustSize();
    Label2[1]->setText(Score_Text(Score_Table[Playing_Entry].Score));
    Label2[1]->adjustSize();
    Text1->setText(QString::fromStdString(Score_Table[Playing_Entry].Name));
    Text1->setFocus();

    for (Surface* dancer : Picture1)
        dancer->move(dancer->x(), -16);

    Timer1_Tag = 0;
    Timer1->start();
    show();
    // The game window is locked now, so the keyboard belongs to the name box at once.
    activateWindow();
}

void Form4::Unload_Steps()
{
    Timer1->stop();
    const std::string name = Text1->text().toStdString();
    Score_Table[Playing_Entry].Name = name;
    // A save while the dialog was open may have moved the entry, or pushed it out.
    if (Label2_Tag < High_Score_Places)
        Name_High_Score(entered_, name);
    Game_Mode = Mode_High_Score_Closed;
}

void Form4::Text1_GotFocus()
{
    Text1->setSelection(0, static_cast<int>(Text1->text().size()));
}

void Form4::Text1_KeyDown(int key_code, int)
{
    if (key_code == Key_Code_Enter)
        close();
}

void Form4::Command1_Click()
{
    close();
}

void Form4::Timer1_Timer()
{
    Timer1_Tag = (Timer1_Tag + 1) % 4;
    QPalette palette = Label1[0]->palette();
    palette.setColor(QPalette::WindowText, Congratulation_Colour(Timer1_Tag));
    Label1[0]->setPalette(palette);

    if (Picture1[0]->y() == Landed_Top) {
        for (Surface* dancer : Picture1) {
            dancer->Clear();
            Draw_Dancer(*dancer, Timer1_Tag);
        }
        return;
    }
    for (Surface* dancer : Picture1) {
        dancer->move(dancer->x(), dancer->y() + 4);
        Draw_Dancer(*dancer, Dropping_Frame);
    }
}

// The box shows the tiles behind it, with the silhouette cut out and the digger laid in.
void Form4::Draw_Dancer(Surface& box, int frame)
{
    QImage& image = box.image();
    Blit(image, Client->image(), 0, 0, 16, 16, box.x(), box.y());
    Blit_Cell(image, Sheet(), 0, 0, Cheering_Mask(frame), Raster::And);
    Blit_Cell(image, Sheet(), 0, 0, Cheering_Pose(frame), Raster::Paint);
    box.update();
}

bool Form4::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text1) {
        if (event->type() == QEvent::FocusIn) {
            Text1_GotFocus();
        } else if (event->type() == Pad_Event::Kind()) {
            return Name_Box_Pad_Input(*Text1, static_cast<const Pad_Event&>(*event).input());
        } else if (event->type() == QEvent::KeyRelease) {
            Is_Auto_Repeat(static_cast<const QKeyEvent&>(*event));
        } else if (event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            if (!Is_Auto_Repeat(key))
                pressed_here_.insert(key.key());
            else if (!pressed_here_.count(key.key()))
                return true;
            const int code = Virtual_Key_Code(key);
            Text1_KeyDown(code, 0);
            if (code == Key_Code_Enter)
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
