#include "display/game_font.h"

#include <QFontDatabase>
#include <QStringList>

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

QFont Game_Font(int pixel_size, bool bold)
{
    QFont font(Game_Font_Family());
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferMatch);
    return font;
}
