#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

// Text in the pictures is drawn without anti-aliasing so that every pixel is
// either the letter colour or untouched: at 1x a blurred edge reads as dirt.
struct Text_Style {
    int pixel_size = 12;
    bool bold = false;
};

// A 1-bit-like mask (white letters on black) cropped to the inked pixels.
QImage Text_Mask(const QString& text, const Text_Style& style);

// Largest pixel size (starting at `start`) whose inked text, grown by
// `margin` on every side, fits into `box`.
Text_Style Fit_Text(const QString& text, QSize box, int start, int margin, bool bold);

// Paints `colour` wherever `mask` is lit, with the mask's top-left at `at`.
void Stamp(QImage& target, const QImage& mask, QPoint at, QColor colour);

// Rings the lit pixels of `mask` (8-neighbourhood, `width` px) with `colour`.
void Stamp_Outline(QImage& target, const QImage& mask, QPoint at, QColor colour, int width);

// Top-left position that centres `size` inside `box`.
QPoint Centred(QSize size, const QRect& box);
