// The high-score dialog's name box entered with a controller alone, arcade style. The keyboard
// never sends these inputs, so it edits the box exactly as before.
#pragma once

#include "core/controller_keys.h"

class QLineEdit;

// Up and down (D-pad or stick) turn the character at the cursor, which is shown selected; left
// and right move the cursor; X rubs out the character before it. False for any other input.
bool Name_Box_Pad_Input(QLineEdit& box, Pad_Input input);
