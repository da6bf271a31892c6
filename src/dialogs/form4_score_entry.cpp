#include "dialogs/form4_score_entry.h"

#include "display/full_width.h"
#include "display/palette.h"

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
        return Orange;
    case 2:
        return White;
    default:
        return Yellow;
    }
}
