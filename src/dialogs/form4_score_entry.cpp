#include "dialogs/form4_score_entry.h"

#include "display/full_width.h"

int Insert_High_Score(std::array<Score_Entry, 4>& table)
{
    const int32_t score = table[3].Score;
    if (table[0].Score < score) {
        table[2] = table[1];
        table[1] = table[0];
        table[0] = table[3];
        return 0;
    }
    if (table[1].Score < score) {
        table[2] = table[1];
        table[1] = table[3];
        return 1;
    }
    table[2] = table[3];
    return 2;
}

QString Congratulation_Text(int place)
{
    return place == 0 ? QStringLiteral("ハイスコアおめでとう！")
                      : QStringLiteral("スコア更新おめでとう！");
}

QString Place_Text(int place)
{
    return Full_Width(place + 1) + QStringLiteral("位");
}

QString Score_Text(int score)
{
    return Full_Width(QString::number(score) + QStringLiteral("p"));
}

QColor Congratulation_Colour(int tag)
{
    switch (tag) {
    case 0:
        return QColor(255, 128, 0);
    case 2:
        return QColor(255, 255, 255);
    default:
        return QColor(255, 255, 0);
    }
}
