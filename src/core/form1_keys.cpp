// Keyboard: the handlers only record which of the three game keys is held; the main loop acts.
#include "core/key_codes.h"
#include "core/module1.h"
#include "display/form1.h"

namespace {

// Position of the key's flag in Key_State, 0 for a key the game does not use.
int flag_position(int key_code)
{
    switch (key_code) {
    case Key_Code_Z: return 1;
    case Key_Code_Left: return 2;
    case Key_Code_Right: return 3;
    default: return 0;
    }
}

}  // namespace

void Form1::Picture2_KeyDown(int key_code, int)
{
    if (Game_Mode == 1) {
        if (const int position = flag_position(key_code))
            Set_Char(Key_State, position, '1');
    } else if (Game_Mode != 2) {
        mnuG1_Click();
    }
}

void Form1::Picture2_KeyUp(int key_code, int)
{
    if (Game_Mode != 1)
        return;
    if (const int position = flag_position(key_code))
        Set_Char(Key_State, position, '0');
}

void Form1::Picture5_KeyDown(int, int)
{
    mnuG1_Click();
}

void Form1::Picture1_KeyDown(int, int)
{
    Picture2->setFocus();
}

void Form1::Picture1_Click()
{
    Picture2->setFocus();
}
