#pragma once

#include <QImage>
#include <QString>

// The game's pictures are 256-colour bitmaps. Every drawing keeps to at most
// 256 exact colours, so the palette is built from the pixels themselves and
// nothing is dithered or approximated.
QImage to_indexed(const QImage& image);
void save_indexed(const QImage& image, const QString& path);
