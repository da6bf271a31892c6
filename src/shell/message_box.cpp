#include "shell/message_box.h"

#include <QMessageBox>

namespace {

Msg_Box_Handler& Handler()
{
    static Msg_Box_Handler handler;
    return handler;
}

QMessageBox::Icon Box_Icon(Msg_Icon icon)
{
    switch (icon) {
    case Msg_Icon::Information: return QMessageBox::Information;
    case Msg_Icon::Question: return QMessageBox::Question;
    case Msg_Icon::Critical: return QMessageBox::Critical;
    case Msg_Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

Msg_Answer Real_Box(const QString& text, Msg_Buttons buttons, Msg_Icon icon)
{
    const QMessageBox::StandardButtons standard = buttons == Msg_Buttons::Yes_No
                                                      ? (QMessageBox::Yes | QMessageBox::No)
                                                      : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(Box_Icon(icon), QStringLiteral("でるぼん"), Msg_Display_Text(text), standard);
    box.setTextFormat(Qt::PlainText);
    const int pressed = box.exec();
    if (buttons == Msg_Buttons::Ok)
        return Msg_Answer::Ok;
    return pressed == QMessageBox::Yes ? Msg_Answer::Yes : Msg_Answer::No;
}

}  // namespace

QString Msg_Display_Text(const QString& text)
{
    QString shown = text;
    // A CR LF pair is one break, not two.
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar(u'\r'), QChar(u'\n'));
    return shown;
}

Msg_Answer Msg_Box(const QString& text, Msg_Buttons buttons, Msg_Icon icon)
{
    if (Handler())
        return Handler()(text, buttons, icon);
    return Real_Box(text, buttons, icon);
}

void Set_Msg_Box_Handler(Msg_Box_Handler handler)
{
    Handler() = std::move(handler);
}
