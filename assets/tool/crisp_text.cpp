#include "crisp_text.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <stdexcept>

namespace {

QFont game_font(const Text_Style& style)
{
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(style.pixel_size);
    font.setBold(style.bold);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

bool lit(const QImage& mask, int x, int y)
{
    return x >= 0 && y >= 0 && x < mask.width() && y < mask.height() && qRed(mask.pixel(x, y)) > 127;
}

}  // namespace

QImage Text_Mask(const QString& text, const Text_Style& style)
{
    const QFont font = game_font(style);
    const QFontMetrics metrics(font);
    const int w = metrics.horizontalAdvance(text) + style.pixel_size * 2;
    const int h = metrics.height() + style.pixel_size;
    QImage canvas(w, h, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(style.pixel_size, style.pixel_size / 2 + metrics.ascent(), text);
    }
    QRect inked;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = canvas.pixel(x, y);
            // Keep the letters strictly two-tone whatever the rasteriser did.
            const bool on = qRed(c) > 127;
            canvas.setPixel(x, y, on ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
            if (on)
                inked |= QRect(x, y, 1, 1);
        }
    if (inked.isEmpty())
        throw std::runtime_error("the IPAPGothic font drew nothing; is fonts-ipafont-gothic installed?");
    return canvas.copy(inked);
}

Text_Style Fit_Text(const QString& text, QSize box, int start, int margin, bool bold)
{
    for (int size = start; size > 4; --size) {
        const Text_Style style{size, bold};
        const QImage mask = Text_Mask(text, style);
        if (mask.width() + 2 * margin <= box.width() && mask.height() + 2 * margin <= box.height())
            return style;
    }
    throw std::runtime_error("text does not fit its box at any size");
}

void Stamp(QImage& target, const QImage& mask, QPoint at, QColor colour)
{
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (lit(mask, x, y))
                target.setPixel(at.x() + x, at.y() + y, colour.rgb());
}

void Stamp_Outline(QImage& target, const QImage& mask, QPoint at, QColor colour, int width)
{
    for (int y = -width; y < mask.height() + width; ++y)
        for (int x = -width; x < mask.width() + width; ++x) {
            if (lit(mask, x, y))
                continue;
            bool near = false;
            for (int dy = -width; dy <= width && !near; ++dy)
                for (int dx = -width; dx <= width && !near; ++dx)
                    near = lit(mask, x + dx, y + dy);
            if (near)
                target.setPixel(at.x() + x, at.y() + y, colour.rgb());
        }
}

QPoint Centred(QSize size, const QRect& box)
{
    return {box.x() + (box.width() - size.width()) / 2, box.y() + (box.height() - size.height()) / 2};
}
