#include "drawings.h"
#include "rules/sheet_cells.h"

#include <QDir>
#include <QPainter>

#include <stdexcept>

namespace {

constexpr int Zoom = 4;

QImage load(const QString& path)
{
    QImage image(path);
    if (image.isNull())
        throw std::runtime_error(("cannot read " + path).toStdString());
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage enlarged(const QImage& image, int zoom = Zoom)
{
    return image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// A 16 px grid over the enlarged sprite sheet makes each cell easy to find.
QImage gridded(const QImage& big, int zoom = Zoom)
{
    QImage out = big;
    QPainter painter(&out);
    painter.setPen(QColor(255, 0, 255, 110));
    for (int x = 0; x <= out.width(); x += Cell_Size * zoom)
        painter.drawLine(x, 0, x, out.height());
    for (int y = 0; y <= out.height(); y += Cell_Size * zoom)
        painter.drawLine(0, y, out.width(), y);
    return out;
}

}  // namespace

void Write_Contact_Sheet(const QString& asset_dir, const QString& out_dir)
{
    QDir().mkpath(out_dir);
    const QString pictures[] = {"background", "sheet", "title", "logo"};
    QList<QImage> big;
    for (const QString& name : pictures) {
        QImage image = enlarged(load(asset_dir + "/pictures/" + name + ".png"));
        if (name == QLatin1String("sheet"))
            image = gridded(image);
        image.save(out_dir + "/" + name + "_4x.png");
        big << image;
    }
    // Closer looks at the sheet, two rows of cells at a time, at 8x.
    const QImage sheet_image = load(asset_dir + QStringLiteral("/pictures/sheet.png"));
    const int sheet_width = Sheet_Columns * Cell_Size, sheet_height = Sheet_Rows * Cell_Size;
    for (int row = 0; row < Sheet_Rows; row += 2) {
        const QImage band = sheet_image.copy(0, row * Cell_Size, sheet_width,
                                             std::min(2 * Cell_Size, sheet_height - row * Cell_Size));
        gridded(enlarged(band, 8), 8).save(out_dir + QStringLiteral("/sheet_rows%1_8x.png").arg(row));
    }
    QList<QImage> icons;
    for (int size : {16, 32, 48, 64, 128, 256})
        icons << load(asset_dir + QStringLiteral("/icons/delvano-%1.png").arg(size));

    const int gap = 16;
    const int width = std::max(big[0].width(), big[1].width() + gap + big[2].width()) + 2 * gap;
    const int height = gap + big[0].height() + gap + std::max(big[1].height() + gap + big[3].height() + gap + 256,
                                                            big[2].height()) + gap;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(40, 44, 52));
    QPainter painter(&sheet);
    painter.drawImage(gap, gap, big[0]);
    const int y1 = gap + big[0].height() + gap;
    painter.drawImage(gap, y1, big[1]);
    painter.drawImage(gap + big[1].width() + gap, y1, big[2]);
    const int y2 = y1 + big[1].height() + gap;
    painter.drawImage(gap, y2, big[3]);
    // The icons at their own size: that is how a desktop shows them.
    int x = gap;
    const int y3 = y2 + big[3].height() + gap;
    for (const QImage& icon : icons) {
        painter.drawImage(x, y3, icon);
        x += icon.width() + gap;
    }
    painter.end();
    sheet.save(out_dir + "/contact_sheet.png");
}
