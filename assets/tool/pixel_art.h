#pragma once

#include <QHash>
#include <QImage>
#include <QString>

// Hand-drawn pixel art kept as text: one character per pixel, with a
// palette legend in the same file so each drawing can be read on its own.
//
//   colour Y f8c828 helmet        legend: character, RGB hex, what it is
//   frame stand                   a named picture, rows until the next blank line
//   ......YYYY......
class Pixel_Art {
public:
    static Pixel_Art load(const QString& path);

    QImage frame(const QString& name) const;
    QRgb colour(char key) const;

private:
    QHash<char, QRgb> legend_;
    QHash<QString, QImage> frames_;
    QString path_;
};
