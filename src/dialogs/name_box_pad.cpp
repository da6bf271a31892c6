#include "dialogs/name_box_pad.h"

#include "core/name_entry.h"

#include <QLineEdit>

#include <optional>

namespace {

std::optional<Name_Move> move_of(Pad_Input input)
{
    switch (input) {
    case Pad_Input::Dpad_Up:
    case Pad_Input::Stick_Up: return Name_Move::Up;
    case Pad_Input::Dpad_Down:
    case Pad_Input::Stick_Down: return Name_Move::Down;
    case Pad_Input::Dpad_Left:
    case Pad_Input::Stick_Left: return Name_Move::Left;
    case Pad_Input::Dpad_Right:
    case Pad_Input::Stick_Right: return Name_Move::Right;
    case Pad_Input::X: return Name_Move::Rub_Out;
    default: return std::nullopt;
    }
}

}  // namespace

bool Name_Box_Pad_Input(QLineEdit& box, Pad_Input input)
{
    const auto move = move_of(input);
    if (!move)
        return false;
    // The whole name is selected when the box takes the focus: the cursor is on its first letter.
    const int cursor = box.hasSelectedText() ? box.selectionStart() : box.cursorPosition();
    const Name_Entry after =
        Name_Entry_After({box.text().toStdU16String(), cursor}, *move, box.maxLength());
    box.setText(QString::fromStdU16String(after.text));
    if (after.cursor < box.text().size())
        box.setSelection(after.cursor, 1);
    else
        box.setCursorPosition(after.cursor);
    return true;
}
