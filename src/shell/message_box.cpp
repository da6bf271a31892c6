#include "shell/message_box.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>
#include <vector>

namespace {

Msg_Box_Handler& installed_handler()
{
    static Msg_Box_Handler handler;
    return handler;
}

bool& unattended()
{
    static bool value = false;
    return value;
}

// The boxes waiting for a button now, the innermost last.
std::vector<QMessageBox*>& open_boxes()
{
    static std::vector<QMessageBox*> boxes;
    return boxes;
}

bool nobody_answers()
{
    // A logout waits for the session manager's save; a box there would hold it up.
    return unattended() || (qGuiApp && qGuiApp->isSavingSession());
}

Msg_Answer esc_answer(Msg_Buttons buttons)
{
    return buttons == Msg_Buttons::Yes_No ? Msg_Answer::No : Msg_Answer::Ok;
}

void write_to_stderr(const QString& text)
{
    const QString line = QStringLiteral("delvano: ") + Msg_Display_Text(text).replace(u'\n', u' ');
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
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
    open_boxes().push_back(&box);
    const int pressed = box.exec();
    std::erase(open_boxes(), &box);
    // Closed because the run is ending from outside, not by a button.
    if (unattended())
        return esc_answer(buttons);
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
    if (nobody_answers()) {
        write_to_stderr(text);
        return esc_answer(buttons);
    }
    if (installed_handler())
        return installed_handler()(text, buttons, icon);
    return real_box(text, buttons, icon);
}

void Set_Msg_Box_Handler(Msg_Box_Handler handler)
{
    installed_handler() = std::move(handler);
}

void Set_Msg_Box_Unattended(bool on)
{
    unattended() = on;
    if (!on)
        return;
    for (QMessageBox* box : open_boxes()) {
        write_to_stderr(box->text());
        box->reject();
    }
}
