// The game's Japanese face at the pixel line heights the layout was drawn for.
#pragma once

#include <QFont>
#include <QString>

// "ＭＳ Ｐゴシック" when installed, else IPA P Gothic.
QString Game_Font_Family();

// The face at the largest size whose line is no taller than line_height: 13 px for the 9.75 pt
// labels, 16 px for the 12 pt version text, 21 px for the 15.75 pt bold captions.
QFont Game_Font(int line_height, bool bold = false);

// How far below a top-aligned label's top the font's text must start so that its baseline lies
// where a face sized to the full line height puts it, the baseline the layout was drawn for.
int Game_Font_Baseline_Offset(const QFont& font);
