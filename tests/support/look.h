// What the player sees: grabs of the real widgets, compared with the shipped pictures.
#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QWidget>

#include <cstdlib>

inline QImage shipped(const char* picture)
{
    return QImage(QStringLiteral(DELVANO_ASSET_DIR "/pictures/%1.png").arg(QLatin1String(picture)))
        .convertToFormat(QImage::Format_RGB32);
}
inline QImage sheet_cell(int x, int y) { return shipped("sheet").copy(x, y, 16, 16); }
inline QImage seen(QWidget& widget)
{
    widget.window()->show();
    QCoreApplication::processEvents();
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of the picture put at `at` that differ from the shot; what lies outside is not seen.
inline int differing(const QImage& shot, QPoint at, const QImage& picture)
{
    int differ = 0;
    for (int i = 0; i < picture.width() * picture.height(); ++i) {
        const QPoint p(i % picture.width(), i / picture.width());
        differ += shot.valid(at + p) && shot.pixel(at + p) != (picture.pixel(p) | 0xff000000u);
    }
    return differ;
}

// Pixels of text in that colour: its hue and saturation (pale for white) at half its brightness
// or more.
inline int pixels_of(const QImage& shot, QRect area, QColor colour)
{
    int count = 0;
    for (int i = 0; i < area.width() * area.height(); ++i) {
        const QColor c = shot.pixelColor(area.topLeft() + QPoint(i % area.width(), i / area.width()));
        // Antialiased white strokes on a coloured tile come out pale rather than pure white.
        const bool grey = colour.hsvHue() < 0;
        count += 2 * c.value() >= colour.value() && (grey ? c.hsvSaturation() < 64
                 : std::abs(c.hsvHue() - colour.hsvHue()) < 3 && std::abs(c.hsvSaturation() - colour.hsvSaturation()) < 8);
    }
    return count;
}
