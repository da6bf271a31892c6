// Whether a game controller can be there at all, asked of the kernel without opening anything,
// so that a player without one never pays for SDL.
#pragma once

#include <QString>

// A joystick node of the kernel's joystick interface (js0, ...), or an event node whose device
// has a joystick's or a gamepad's buttons. Keyboards and mice have event nodes too, and the
// player may not open them, so an event node is judged by the capabilities the kernel shows for
// it under /sys/class/input, which anyone may read. The joystick interface is not loaded
// everywhere; event nodes are.
bool Controller_Device_Present(const QString& dev_input = QStringLiteral("/dev/input"),
                               const QString& sys_input = QStringLiteral("/sys/class/input"));
