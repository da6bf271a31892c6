// The desktop's key events in the game's own key codes.
#pragma once

class QKeyEvent;
class QObject;

// Letters and digits map to their ASCII capitals, the arrows to 37..40, the modifiers and lock
// keys to their own codes; every other key gets Key_Code_Other. On a layout without Latin
// letters, the key in Z's place is Z.
int Virtual_Key_Code(const QKeyEvent& event);

// Whether a key event comes from the keyboard's own repeat. An X server sends each repeat as a
// release and a press with the same time stamp, and the toolkit does not always pair them up, so
// every key release must pass through here too.
bool Is_Auto_Repeat(const QKeyEvent& event);

// Sends receiver the press or release a keyboard would send for the game's key code (an unknown
// key for Key_Code_Other), without modifiers: how a game controller's button reaches the same
// handlers as the key it stands for.
void Send_Key(QObject& receiver, int key_code, bool down);
