#include "shell/message_box.h"

#include <QMessageBox>

namespace {

Msg_Box_Handler& installed_handler()
{
    static Msg_Box_Handler handler;
    return handler;
}

QMessageBox::Icon box_icon(Msg_Icon icon)
{
    switch (icon) {
    case Msg_Icon::Information: return QMessageBox::Information;
    case Msg_Icon::Question: return QMessageBox::Question;
    case Msg_Icon::Critical: return QMessageBox::Critical;
    case Msg_Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

Msg_Answer real_box(const QString& text, Msg_Buttons buttons, Msg_Icon icon)
{
    const QMessageBox::StandardButtons standard = buttons == Msg_Buttons::Yes_No
                                                      ? (QMessageBox::Yes | QMessageBox::No)
                                                      : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(box_icon(icon), QStringLiteral("でるぼん"), Msg_Display_Text(text), standard);
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
    if (installed_handler())
        return installed_handler()(text, buttons, icon);
    return real_box(text, buttons, icon);
}

void Set_Msg_Box_Handler(Msg_Box_Handler handler)
{
    installed_handler() = std::move(handler);
}
