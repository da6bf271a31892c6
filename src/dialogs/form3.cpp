#include "dialogs/form3.h"

#include "display/game_font.h"
#include "display/palette.h"
#include "display/pictures.h"
#include "state/version.h"

#include <QPixmap>

Form3::Form3(QWidget* game_window)
    : Game_Dialog(game_window, QStringLiteral("でるぼん バージョン情報"), QSize(221, 177),
                  Version_Texture)
{
    Build_Controls();
    Form_Load();
}

void Form3::Build_Controls()
{
    const QFont font = Game_Font(13);
    const Qt::Alignment centre = Qt::AlignHCenter;

    Image1 = new QLabel(Client);
    Image1->setGeometry(16, 16, 32, 32);
    Image1->setAttribute(Qt::WA_TranslucentBackground);
    Image1->setPixmap(QPixmap::fromImage(Game_Pictures().icon32));

    // Each shadow is made first so that its text lies beneath.
    Label1[1] = Transparent_Label(Client, 65, 22, 80, 21, Dark_Green, Game_Font(21, true),
                                  Qt::AlignLeft, QStringLiteral("でるぼん"));
    Label1[0] = Transparent_Label(Client, 64, 21, 80, 21, Yellow, Game_Font(21, true),
                                  Qt::AlignLeft, QStringLiteral("でるぼん"));
    Label2[1] = Transparent_Label(Client, 147, 27, 59, 16, Dark_Green, Game_Font(16, true),
                                  Qt::AlignLeft, QString());
    Label2[0] = Transparent_Label(Client, 146, 26, 59, 16, Yellow, Game_Font(16, true),
                                  Qt::AlignLeft, QString());

    Label4[0] = Transparent_Label(Client, 16, 64, 193, 13, White, font, centre,
                                  QStringLiteral("ご意見やご感想、転載等の報告は"));
    Label4[1] = Transparent_Label(Client, 16, 80, 193, 13, White, font, centre,
                                  QStringLiteral("下記のアドレスまでメール下されば"));
    Label4[2] = Transparent_Label(Client, 16, 96, 193, 13, White, font, centre,
                                  QStringLiteral("幸いでございます。 m(--)m"));
    // The team has no mail address of its own; a section of the readme says how to reach us.
    Label4[3] = Transparent_Label(Client, 16, 122, 193, 13, Green, font, centre,
                                  QStringLiteral("ｱﾄﾞﾚｽ：Readme.txtの「")
                                      + QString::fromUtf8(DELVANO_CONTACT_SECTION)
                                      + QStringLiteral("」"));

    Line1 = new QWidget(Client);
    Line1->setGeometry(24, 136, 177, 1);
    Line1->setAutoFillBackground(true);
    QPalette palette = Line1->palette();
    palette.setColor(QPalette::Window, Green);
    Line1->setPalette(palette);

    Label3 = Transparent_Label(Client, 40, 152, 143, 13, Yellow, font, centre,
                               QStringLiteral("でるぼん開発チーム"));
}

void Form3::Form_Load()
{
    Tile_Background();

    const QString version = QString::fromStdString(Version_Label());
    Label2[0]->setText(version);
    Label2[1]->setText(version);
}
