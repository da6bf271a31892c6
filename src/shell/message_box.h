// The game's one message box: every notice to the player goes through here, titled "でるぼん".
#pragma once

#include <QString>

#include <functional>

enum class Msg_Icon { None, Information, Question, Critical };
enum class Msg_Buttons { Ok, Yes_No };
enum class Msg_Answer { Ok, Yes, No };

// A CR, alone or doubled, starts a new line in the box ("a\r\rb" leaves an empty line).
Msg_Answer Msg_Box(const QString& text, Msg_Buttons buttons, Msg_Icon icon);

// For a run that is ended from outside (a signal, the session manager), where nobody may be
// there to press a button: while set, every message, and one already open when it is set, goes
// to standard error and takes the answer of the box's Esc key (OK, or No). While the session
// manager asks the game to save, the same holds without it.
void Set_Msg_Box_Unattended(bool unattended);

// The text as the box shows it: every CR becomes a line break.
QString Msg_Display_Text(const QString& text);

// Tests put their own handler here so no modal box ever waits for a click; an empty handler
// brings back the real box.
using Msg_Box_Handler = std::function<Msg_Answer(const QString& text, Msg_Buttons, Msg_Icon)>;
void Set_Msg_Box_Handler(Msg_Box_Handler handler);
