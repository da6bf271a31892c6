// What the player sees: grabs of the real widgets, compared with the shipped pictures.
#pragma once

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <cstdlib>
#include <ostream>

inline QImage shipped(const char* picture)
{
    return QImage(QStringLiteral(DELVANO_ASSET_DIR "/pictures/%1.png").arg(QLatin1String(picture)))
        .convertToFormat(QImage::Format_RGB32);
}
// The window of that kind the player sees now, if any.
template <class Window>
Window* shown()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<Window*>(top); window && window->isVisible())
            return window;
    return nullptr;
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

// A pixel of text in that colour: its hue and saturation (pale for white, as antialiased white
// strokes on a coloured tile come out) at half its brightness or more.
inline bool is_ink(QColor c, QColor colour)
{
    const bool white = colour.hsvHue() < 0, hue = std::abs(c.hsvHue() - colour.hsvHue()) < 3;
    return 2 * c.value() >= colour.value() &&
           (white ? c.hsvSaturation() < 64 : hue && std::abs(c.hsvSaturation() - colour.hsvSaturation()) < 8);
}

inline void PrintTo(QRect r, std::ostream* o) { *o << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height(); }
// The smallest rectangle holding every pixel within the area that is_drawn(x, y) marks: where a
// label's glyphs stand and how tall they are.
template <class Predicate>
QRect ink_box(QRect area, Predicate is_drawn)
{
    QRect box;
    for (int i = 0; i < area.width() * area.height(); ++i) {
        const int x = area.x() + i % area.width(), y = area.y() + i / area.width();
        box |= is_drawn(x, y) ? QRect(x, y, 1, 1) : QRect();
    }
    return box;
}
inline int pixels_of(const QImage& shot, QRect area, QColor colour)
{
    int count = 0;
    for (int i = 0; i < area.width() * area.height(); ++i)
        count += is_ink(shot.pixelColor(area.x() + i % area.width(), area.y() + i / area.width()), colour);
    return count;
}
