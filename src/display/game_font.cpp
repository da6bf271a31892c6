#include "display/game_font.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

QString Game_Font_Family()
{
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const QString& name : {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                                    QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")}) {
            if (families.contains(name))
                return name;
        }
        return QStringLiteral("IPAPGothic");
    }();
    return family;
}

namespace {

QFont sized_font(int pixel_size, bool bold)
{
    QFont font(Game_Font_Family());
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferMatch);
    return font;
}

}  // namespace

QFont Game_Font(int line_height, bool bold)
{
    // A face sized to the line itself adds a pixel or two of descent below it, which the
    // labels would cut off.
    for (int size = line_height; size > 1; --size) {
        const QFont font = sized_font(size, bold);
        if (QFontMetrics(font).height() <= line_height)
            return font;
    }
    return sized_font(line_height, bold);
}

int Game_Font_Baseline_Offset(const QFont& font)
{
    const QFontMetrics chosen(font);
    const QFontMetrics full(sized_font(chosen.height(), font.bold()));
    return std::max(0, full.ascent() - chosen.ascent());
}
