#include "indexed_png.h"

#include <QHash>
#include <QVector>

#include <stdexcept>

QImage To_Indexed(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    QHash<QRgb, int> index;
    QVector<QRgb> table;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QRgb c = image.pixel(x, y);
            if (qAlpha(c) == 0)
                c = qRgba(0, 0, 0, 0);
            if (!index.contains(c)) {
                index.insert(c, table.size());
                table << c;
            }
        }
    if (table.size() > 256)
        throw std::runtime_error(QStringLiteral("picture has %1 colours, more than 256").arg(table.size()).toStdString());

    QImage out(image.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = out.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            QRgb c = image.pixel(x, y);
            if (qAlpha(c) == 0)
                c = qRgba(0, 0, 0, 0);
            line[x] = static_cast<uchar>(index.value(c));
        }
    }
    return out;
}

void Save_Indexed(const QImage& image, const QString& path)
{
    if (!To_Indexed(image).save(path, "PNG"))
        throw std::runtime_error(QStringLiteral("cannot write %1").arg(path).toStdString());
}
