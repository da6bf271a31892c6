// The game's Japanese face at the pixel line heights the layout was drawn for.
#pragma once

#include <QFont>
#include <QString>

// "ＭＳ Ｐゴシック" when installed, else IPA P Gothic.
QString Game_Font_Family();

// 13 px is the 9.75 pt line of every small label; 21 px the 15.75 pt bold caption.
QFont Game_Font(int pixel_size, bool bold = false);
