#pragma once

#include <QImage>
#include <QString>

// The game's pictures are 256-colour bitmaps. Every drawing keeps to at most
// 256 exact colours, so the palette is built from the pixels themselves and
// nothing is dithered or approximated.
QImage To_Indexed(const QImage& image);
void Save_Indexed(const QImage& image, const QString& path);
