// What the player sees: grabs of the real widgets, compared with the shipped pictures.
#pragma once

#include <algorithm>
#include <cmath>

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QWidget>

inline QImage shipped(const char* picture)
{
    return QImage(QStringLiteral(DELVANO_ASSET_DIR "/pictures/%1.png").arg(QLatin1String(picture)))
        .convertToFormat(QImage::Format_RGB32);
}

inline QImage sheet_cell(int x, int y)
{
    return shipped("sheet").copy(x, y, 16, 16);
}

inline QImage seen(QWidget& widget)
{
    QCoreApplication::processEvents();
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of picture placed at `at` that differ from the shot; what falls outside is not seen.
inline int differing(const QImage& shot, QPoint at, const QImage& picture)
{
    int differ = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (shot.rect().contains(at + QPoint(x, y)))
                differ += shot.pixel(at + QPoint(x, y)) != (picture.pixel(x, y) | 0xff000000u);
    return differ;
}

// Pixels of text in that colour: the colour itself, or on black ground at least half of it.
inline int pixels_of(const QImage& shot, QRect area, QColor colour)
{
    int count = 0;
    const int top = std::max({colour.red(), colour.green(), colour.blue()});
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!shot.rect().contains(x, y))
                continue;
            const QRgb p = shot.pixel(x, y);
            const double a = std::max({qRed(p), qGreen(p), qBlue(p)}) / double(top);
            count += a >= 0.5 && std::abs(qRed(p) - a * colour.red()) < 4
                     && std::abs(qGreen(p) - a * colour.green()) < 4
                     && std::abs(qBlue(p) - a * colour.blue()) < 4;
        }
    return count;
}
