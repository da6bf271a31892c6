// Keyboard: the key policy decides what a key means; the handlers only record which of the three
// game keys is held, or start a game. The main loop acts on the flags.
#include "game_window/form1.h"
#include "state/module1.h"

void Form1::Carry_Out(Key_Effect effect, int key_code)
{
    switch (effect) {
    case Key_Effect::Start_Game:
        mnuG1_Click();
        break;
    case Key_Effect::Hold_Flag:
        Set_Char(Key_State, Flag_Position(key_code), '1');
        break;
    case Key_Effect::Drop_Flag:
        Set_Char(Key_State, Flag_Position(key_code), '0');
        break;
    case Key_Effect::None:
        break;
    }
}

void Form1::Picture2_KeyDown(const Key_Event& key)
{
    Carry_Out(Key_Down_Effect(Key_Target::Picture2, key), key.key_code);
}

void Form1::Picture2_KeyUp(const Key_Event& key)
{
    Carry_Out(Key_Up_Effect(Key_Target::Picture2, key), key.key_code);
}

void Form1::Picture2_LostFocus()
{
    // A key let go while another window, a menu or a dialog has the keyboard never reports its
    // release here; a flag left at "1" would walk the digger on its own.
    for (int position : {Key_Dig, Key_Left, Key_Right})
        Set_Char(Key_State, position, '0');
}

void Form1::Picture5_KeyDown(const Key_Event& key)
{
    Carry_Out(Key_Down_Effect(Key_Target::Picture5, key), key.key_code);
}

void Form1::Picture1_KeyDown(const Key_Event&)
{
    Picture2->setFocus();
}

void Form1::Picture1_Click()
{
    Picture2->setFocus();
}

void Form1::Focus_Key_Picture()
{
    (Picture3->isVisible() ? Picture2 : Picture5)->setFocus();
}
