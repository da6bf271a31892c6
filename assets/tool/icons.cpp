#include "drawings.h"
#include "pixel_art.h"

#include <stdexcept>

QImage Draw_Program_Icon(const QString& art_dir, int size)
{
    const Pixel_Art art = Pixel_Art::load(art_dir + QStringLiteral("/program_icon.txt"));
    // 16 and 48 come from the small drawing, the rest from the 32 px one, so
    // every size is a whole-number enlargement and stays crisp.
    const bool small = size % 16 == 0 && size % 32 != 0;
    const QImage drawn = art.frame(small ? QStringLiteral("icon16") : QStringLiteral("icon32"));
    if (size % drawn.width() != 0)
        throw std::runtime_error("icon size is not a multiple of its drawing");
    QImage icon = drawn.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if ((icon.pixel(x, y) & 0xffffff) == 0)
                icon.setPixel(x, y, qRgba(0, 0, 0, 0));
    return icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
