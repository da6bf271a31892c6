// What the high-score dialog tells the player about the entry the score took.
#pragma once

#include <QColor>
#include <QString>

// "ハイスコアおめでとう！" for the top place, "スコア更新おめでとう！" otherwise.
QString Congratulation_Text(int place);
// The place as the player counts it, full-width: "１位", "２位", "３位", and "４位" for a score
// that no longer ranks.
QString Place_Text(int place);
// The score in full-width digits with a full-width "ｐ".
QString Score_Text(int score);

// The congratulation's colour for the tick counter 0..3.
QColor Congratulation_Colour(int tag);
