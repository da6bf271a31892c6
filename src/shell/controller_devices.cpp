#include "shell/controller_devices.h"

#include <QDir>
#include <QFile>

#include <climits>

namespace {

// BTN_JOYSTICK to BTN_DEAD, then BTN_SOUTH to BTN_THUMBR: the buttons of joysticks and gamepads.
constexpr int First_Button = 0x120;
constexpr int Last_Button = 0x13e;

// The kernel prints the key bitmap as words of a long, the most significant first.
bool has_controller_buttons(const QString& capabilities_file)
{
    QFile file(capabilities_file);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> words = file.readAll().trimmed().split(' ');
    constexpr int word_bits = sizeof(long) * CHAR_BIT;
    for (int bit = First_Button; bit <= Last_Button; ++bit) {
        const qsizetype word = words.size() - 1 - bit / word_bits;
        if (word >= 0 && (words[word].toULongLong(nullptr, 16) >> (bit % word_bits)) & 1)
            return true;
    }
    return false;
}

}  // namespace

bool Controller_Device_Present(const QString& dev_input, const QString& sys_input)
{
    const QDir nodes(dev_input);
    const QStringList names =
        nodes.entryList({QStringLiteral("js*"), QStringLiteral("event*")}, QDir::System | QDir::Files);
    for (const QString& name : names) {
        if (name.startsWith(QStringLiteral("js"))
            || has_controller_buttons(sys_input + '/' + name + QStringLiteral("/device/capabilities/key")))
            return true;
    }
    return false;
}
