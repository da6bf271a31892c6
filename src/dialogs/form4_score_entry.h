// What the high-score dialog does to the table and what it tells the player about it.
#pragma once

#include <array>

#include <QColor>
#include <QString>

#include "core/module1.h"

// Moves entry 3 (the game just ended) into the table, best first, and returns its place
// 0..2. The comparisons are strict, so a score equal to a place ranks below it; the old
// third place drops out. The caller has made sure entry 3 beats the third place.
int Insert_High_Score(std::array<Score_Entry, 4>& table);

// "ハイスコアおめでとう！" for the top place, "スコア更新おめでとう！" otherwise.
QString Congratulation_Text(int place);
// The place as the player counts it, full-width: "１位", "２位", "３位".
QString Place_Text(int place);
// The score in full-width digits with a full-width "ｐ".
QString Score_Text(int score);

// The congratulation's colour for the tick counter 0..3.
QColor Congratulation_Colour(int tag);
