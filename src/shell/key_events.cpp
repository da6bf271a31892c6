#include "shell/key_events.h"

#include "core/key_codes.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

// The key a QWERTY keyboard labels Z, by its place: the X11 and Wayland key code. A layout with
// no Latin letters (Russian, Greek, Hebrew, Arabic, Thai) has no Z to press, so there the key in
// that place digs; a layout that has a Z anywhere digs with that one, as its player expects.
constexpr quint32 Z_Place_Code = 52;

bool is_letter_of_another_script(int key)
{
    if (key <= 0 || key > 0xffff)
        return false;
    const QChar letter{char16_t(key)};
    return letter.isLetter() && letter.script() != QChar::Script_Latin;
}

}  // namespace

int Virtual_Key_Code(const QKeyEvent& event)
{
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return Key_Code_A + (key - Qt::Key_A);
    if (event.nativeScanCode() == Z_Place_Code && is_letter_of_another_script(key))
        return Key_Code_Z;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return Key_Code_0 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Left: return Key_Code_Left;
    case Qt::Key_Up: return Key_Code_Up;
    case Qt::Key_Right: return Key_Code_Right;
    case Qt::Key_Down: return Key_Code_Down;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key_Code_Enter;
    case Qt::Key_Escape: return Key_Code_Escape;
    case Qt::Key_Space: return Key_Code_Space;
    case Qt::Key_Shift: return Key_Code_Shift;
    case Qt::Key_Control: return Key_Code_Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return Key_Code_Alt;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R: return Key_Code_Windows;
    case Qt::Key_CapsLock: return Key_Code_Caps_Lock;
    case Qt::Key_NumLock: return Key_Code_Num_Lock;
    case Qt::Key_ScrollLock: return Key_Code_Scroll_Lock;
    default: return Key_Code_Other;
    }
}

bool Is_Auto_Repeat(const QKeyEvent& event)
{
    static int released_key = 0;
    static quint64 released_at = 0;
    if (event.type() == QEvent::KeyRelease) {
        released_key = event.key();
        released_at = event.timestamp();
        return event.isAutoRepeat();
    }
    return event.isAutoRepeat()
           || (event.timestamp() != 0 && event.key() == released_key && event.timestamp() == released_at);
}

void Send_Key(QObject& receiver, int key_code, bool down)
{
    int key = Qt::Key_unknown;
    QString text;
    switch (key_code) {
    case Key_Code_Z: key = Qt::Key_Z, text = QStringLiteral("z"); break;
    case Key_Code_Left: key = Qt::Key_Left; break;
    case Key_Code_Right: key = Qt::Key_Right; break;
    case Key_Code_Enter: key = Qt::Key_Return, text = QStringLiteral("\r"); break;
    case Key_Code_Escape: key = Qt::Key_Escape, text = QStringLiteral("\x1b"); break;
    default: break;
    }
    QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(&receiver, &event);
}
