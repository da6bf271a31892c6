#include "pixel_art.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString& path, int line, const QString& what)
{
    throw std::runtime_error(QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(what).toStdString());
}

}  // namespace

Pixel_Art Pixel_Art::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(path, 0, QStringLiteral("cannot open"));

    Pixel_Art art;
    art.path_ = path;
    QString current;
    QStringList rows;
    int frame_line = 0;

    auto finish = [&](int line) {
        if (current.isEmpty())
            return;
        if (rows.isEmpty())
            fail(path, frame_line, QStringLiteral("frame %1 has no rows").arg(current));
        const int width = rows.first().size();
        QImage image(width, rows.size(), QImage::Format_RGB32);
        for (int y = 0; y < rows.size(); ++y) {
            if (rows[y].size() != width)
                fail(path, line, QStringLiteral("frame %1: row %2 is %3 wide, not %4")
                                     .arg(current).arg(y).arg(rows[y].size()).arg(width));
            for (int x = 0; x < width; ++x) {
                const char key = rows[y][x].toLatin1();
                if (!art.legend_.contains(key))
                    fail(path, line, QStringLiteral("frame %1: '%2' is not in the legend").arg(current).arg(QChar(key)));
                image.setPixel(x, y, art.legend_.value(key));
            }
        }
        if (art.frames_.contains(current))
            fail(path, frame_line, QStringLiteral("frame %1 drawn twice").arg(current));
        art.frames_.insert(current, image);
        current.clear();
        rows.clear();
    };

    QTextStream in(&file);
    int line_no = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++line_no;
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (trimmed.isEmpty()) {
            finish(line_no);
            continue;
        }
        const QStringList words = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (current.isEmpty() && words.first() == QLatin1String("colour")) {
            bool ok = false;
            const uint rgb = words.value(2).toUInt(&ok, 16);
            if (words.size() < 3 || words[1].size() != 1 || !ok)
                fail(path, line_no, QStringLiteral("legend line must be: colour C RRGGBB name"));
            art.legend_.insert(words[1][0].toLatin1(), qRgb(rgb >> 16 & 0xff, rgb >> 8 & 0xff, rgb & 0xff));
        } else if (current.isEmpty() && words.first() == QLatin1String("frame")) {
            if (words.size() != 2)
                fail(path, line_no, QStringLiteral("frame line must be: frame NAME"));
            current = words[1];
            frame_line = line_no;
        } else if (!current.isEmpty()) {
            rows << trimmed;
        } else {
            fail(path, line_no, QStringLiteral("pixels outside a frame"));
        }
    }
    finish(line_no);
    return art;
}

QImage Pixel_Art::frame(const QString& name) const
{
    if (!frames_.contains(name))
        throw std::runtime_error(QStringLiteral("%1: no frame %2").arg(path_, name).toStdString());
    return frames_.value(name);
}

QRgb Pixel_Art::colour(char key) const
{
    if (!legend_.contains(key))
        throw std::runtime_error(QStringLiteral("%1: no colour %2").arg(path_).arg(QChar(key)).toStdString());
    return legend_.value(key);
}
