#include "game_window/form1.h"

#include "display/game_font.h"
#include "display/palette.h"
#include "display/pictures.h"
#include "display/transparent_label.h"
#include "shell/game_controllers.h"
#include "shell/key_events.h"
#include "shell/message_box.h"
#include "state/module1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>

Form1::Form1()
{
    setWindowTitle(QStringLiteral("でるぼん"));
    setWindowIcon(Game_Pictures().icon);
    // A fixed single border: no maximise box, no resizing. Without the customize hint the
    // window manager would add its default buttons.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    Build_Controls();
    Build_Menus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    save_retry_.setInterval(Save_Retry_Ms);
    connect(&save_retry_, &QTimer::timeout, this, [this] { Save_Settings(); });
}

Form1::~Form1()
{
    // An end from outside lasts as long as the run it ended.
    Set_Msg_Box_Unattended(false);
}

void Form1::Build_Controls()
{
    const Pictures& pictures = Game_Pictures();
    const QFont small = Game_Font(13);

    Client = new Surface(this, 375, 234, Black);
    Client->setFixedSize(375, 234);
    Client->Set_Base(pictures.background);
    setCentralWidget(Client);

    // Siblings created later lie above earlier ones, so each parent's children are created
    // from the bottom of the drawing order up.
    Picture5 = new Surface(Client, 240, 224, Title_Green);
    Picture5->move(4, 6);
    Picture5->Set_Base(pictures.title);

    Picture3 = new Surface(Client, 240, 224, Viewport_Grey);
    Picture3->move(4, 6);
    Picture3->hide();
    Picture1 = new Surface(Picture3, 240, 240, Black);
    Picture1->move(0, 0);
    Label2[1] = Transparent_Label(Picture1, 59, 1, 124, 21, Olive, Game_Font(21, true),
                           Qt::AlignHCenter, QStringLiteral("Ｇａｍｅ Ｏｖｅｒ"));
    Label2[0] = Transparent_Label(Picture1, 58, 0, 124, 21, Yellow, Game_Font(21, true),
                           Qt::AlignHCenter, QStringLiteral("Ｇａｍｅ Ｏｖｅｒ"));
    Picture2 = new Surface(Picture3, 16, 16, Black);
    Picture2->move(0, 0);

    Picture6 = new Surface(Client, 120, 34, Black);
    Picture6->move(250, 84);
    Label3 = Transparent_Label(Picture6, 0, 8, 138, 13, White, small, Qt::AlignLeft,
                        QStringLiteral("でるでるパズルアクション"));
    Label3->hide();
    Picture8 = new Surface(Picture6, 16, 16, Black);
    Picture8->move(16, 24);
    Picture8->hide();
    Picture7 = new Surface(Picture6, 16, 16, Black);
    Picture7->move(0, 24);
    Picture9 = new Surface(Picture6, 80, 21, Black);
    Picture9->move(21, 34);
    Picture9->Set_Base(pictures.logo);
    Picture9->hide();

    struct Place { int left, top, width; Qt::Alignment align; const char* text; };
    static const Place places[10] = {
        {300, 7, 63, Qt::AlignRight, "０００００００"},
        {353, 27, 18, Qt::AlignRight, "００"},
        {353, 47, 18, Qt::AlignRight, "００"},
        {252, 64, 116, Qt::AlignLeft, "ノーマルスコップ"},
        {300, 125, 63, Qt::AlignRight, "０００００００"},
        {252, 142, 116, Qt::AlignLeft, "０００００００"},
        {300, 162, 63, Qt::AlignRight, "０００００００"},
        {252, 179, 116, Qt::AlignLeft, "０００００００"},
        {300, 199, 63, Qt::AlignRight, "０００００００"},
        {252, 216, 116, Qt::AlignLeft, "０００００００"},
    };
    for (int i = 0; i < 10; ++i) {
        const Place& p = places[i];
        Label1[i] = Transparent_Label(Client, p.left, p.top, p.width, 13, White, small,
                               p.align, QString::fromUtf8(p.text));
    }

    // Keyboard and mouse reach the game through these three pictures (see the key handlers).
    for (Surface* picture : {Picture1, Picture2, Picture5}) {
        picture->setFocusPolicy(Qt::StrongFocus);
        picture->installEventFilter(this);
    }

    Timer1 = new QTimer(this);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer1->start();
}

void Form1::Show_Title_Look()
{
    Picture3->hide();
    Picture5->show();
    Label2[0]->hide();
    Label2[1]->hide();
}

void Form1::Show_Play_Look()
{
    Picture3->show();
    Picture5->hide();
    Label2[0]->hide();
    Label2[1]->hide();
}

void Form1::Centre_On_Screen()
{
    adjustSize();
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        const auto& qt_key = static_cast<const QKeyEvent&>(*event);
        const Key_Event key{Game_Mode, Virtual_Key_Code(qt_key), Is_Auto_Repeat(qt_key),
                            qt_key.modifiers().testFlag(Qt::AltModifier)};
        if (type == QEvent::KeyPress) {
            if (watched == Picture2)
                Picture2_KeyDown(key);
            else if (watched == Picture5)
                Picture5_KeyDown(key);
            else if (watched == Picture1)
                Picture1_KeyDown(key);
        } else if (watched == Picture2) {
            Picture2_KeyUp(key);
        }
        return true;
    }
    if (type == QEvent::FocusOut && watched == Picture2)
        Picture2_LostFocus();
    if (type == QEvent::MouseButtonPress && watched == Picture1) {
        Picture1_Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::changeEvent(QEvent* event)
{
    // Disabling the window for a dialog took the focus away; the next key must act again.
    if (event->type() == QEvent::EnabledChange && isEnabled())
        Focus_Key_Picture();
    QMainWindow::changeEvent(event);
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}
