#include "display/full_width.h"

QString Full_Width(const QString& text)
{
    QString wide;
    wide.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        // U+0021..U+007E map one to one onto U+FF01..U+FF5E.
        wide.append(u >= 0x21 && u <= 0x7e ? QChar(char16_t(u - 0x21 + 0xff01)) : c);
    }
    return wide;
}
