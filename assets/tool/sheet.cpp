#include "drawings.h"
#include "pixel_art.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <vector>

namespace {

constexpr int Cell = 16;

void put(QImage &sheet, int column, int row, const QImage &tile)
{
    QPainter painter(&sheet);
    painter.drawImage(column * Cell, row * Cell, tile);
}

QImage mirrored(const QImage &image)
{
    return image.mirrored(true, false);
}

bool isBlack(QRgb c)
{
    return (c & 0xffffff) == 0;
}

// Silhouette black where the sprite has any colour, white elsewhere: the AND
// pass of a transparent blit.
QImage blackOnWhiteMask(const QImage &sprite)
{
    QImage mask(sprite.size(), QImage::Format_RGB32);
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            mask.setPixel(x, y, isBlack(sprite.pixel(x, y)) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return mask;
}

// White where the icon is not white: the OR pass that precedes the coloured AND pass.
QImage whiteOnBlackSilhouette(const QImage &icon)
{
    QImage mask(icon.size(), QImage::Format_RGB32);
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            mask.setPixel(x, y, (icon.pixel(x, y) & 0xffffff) == 0xffffff ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return mask;
}

// A small integer hash, so the same art comes out on every run.
double noise(int x, int y, int salt)
{
    quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u + quint32(salt) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return double(h ^ (h >> 16)) / 4294967296.0;
}

// Soil falling away in clumps from the top: stage 0 shows the first cracks,
// stage 3 a few last crumbs. Where soil remains the overlay is the soil
// itself, so OR-ing it over the uncovered tile keeps the soil look there.
std::vector<QImage> crumbleStages(const QImage &soil)
{
    std::vector<double> order;
    QVector<double> value(Cell * Cell);
    for (int y = 0; y < Cell; ++y)
        for (int x = 0; x < Cell; ++x) {
            const double clump = noise(x / 3, y / 3, 7);
            const double grain = noise(x, y, 11);
            value[y * Cell + x] = 0.5 * clump + 0.2 * grain + 0.3 * (y / 15.0);
        }
    order.assign(value.begin(), value.end());
    std::sort(order.begin(), order.end());
    const double goneShare[4] = {0.22, 0.48, 0.72, 0.90};
    std::vector<QImage> stages;
    for (double share : goneShare) {
        const double cut = order[std::min<size_t>(order.size() - 1, size_t(share * order.size()))];
        QImage stage(Cell, Cell, QImage::Format_RGB32);
        for (int y = 0; y < Cell; ++y)
            for (int x = 0; x < Cell; ++x) {
                const bool gone = value[y * Cell + x] < cut;
                stage.setPixel(x, y, gone ? qRgb(0, 0, 0) : soil.pixel(x, y));
            }
        // A soil pixel right under a hole is its broken edge: shade it.
        QImage shaded = stage;
        for (int y = 1; y < Cell; ++y)
            for (int x = 0; x < Cell; ++x)
                if (!isBlack(stage.pixel(x, y)) && isBlack(stage.pixel(x, y - 1)))
                    shaded.setPixel(x, y, qRgb(0x5a, 0x32, 0x16));
        stages.push_back(shaded);
    }
    return stages;
}

// Tips a standing figure over to the right, pivoting on its feet, and sets
// it back on the floor of the cell.
QImage tipOver(const QImage &figure, double degrees)
{
    const double a = qDegreesToRadians(degrees);
    const double c = std::cos(a), s = std::sin(a);
    const QPointF pivot(12.0, 16.0);
    QImage out(Cell, Cell, QImage::Format_RGB32);
    out.fill(Qt::black);
    // Find where the turned figure lands, then shift it to stand on row 15.
    int minX = 99, maxX = -99, maxY = -99;
    auto turned = [&](double x, double y) {
        const double dx = x - pivot.x(), dy = y - pivot.y();
        return QPointF(pivot.x() + dx * c - dy * s, pivot.y() + dx * s + dy * c);
    };
    for (int y = 0; y < Cell; ++y)
        for (int x = 0; x < Cell; ++x)
            if (!isBlack(figure.pixel(x, y))) {
                const QPointF p = turned(x + 0.5, y + 0.5);
                minX = std::min(minX, int(std::floor(p.x())));
                maxX = std::max(maxX, int(std::floor(p.x())));
                maxY = std::max(maxY, int(std::floor(p.y())));
            }
    const int shiftX = (Cell - 1 - maxX - minX) / 2;
    const int shiftY = Cell - 1 - maxY;
    for (int y = 0; y < Cell; ++y)
        for (int x = 0; x < Cell; ++x) {
            // Inverse mapping keeps the result free of holes.
            const double px = x - shiftX + 0.5 - pivot.x(), py = y - shiftY + 0.5 - pivot.y();
            const double sx = pivot.x() + px * c + py * s, sy = pivot.y() - px * s + py * c;
            const int ix = int(std::floor(sx)), iy = int(std::floor(sy));
            if (ix >= 0 && iy >= 0 && ix < Cell && iy < Cell)
                out.setPixel(x, y, figure.pixel(ix, iy));
        }
    return out;
}

// Lying flat on his back along the floor, head to the right.
QImage lyingFlat(const QImage &figure)
{
    QImage out(Cell, Cell, QImage::Format_RGB32);
    out.fill(Qt::black);
    int bottom = -1;
    for (int y = 0; y < Cell; ++y)
        for (int x = 0; x < Cell; ++x)
            if (!isBlack(figure.pixel(x, y)))
                bottom = std::max(bottom, x);
    const int shift = Cell - 1 - bottom;
    for (int y = 0; y < Cell; ++y)
        for (int x = 0; x < Cell; ++x) {
            const int sx = y - shift, sy = Cell - 1 - x;
            if (sx >= 0 && sx < Cell)
                out.setPixel(x, y, figure.pixel(sx, sy));
        }
    return out;
}

// A quiet woven texture for dialog backgrounds: two close shades, so text
// written over it stays readable.
QImage texture(QRgb base, QRgb weave)
{
    QImage tile(Cell, Cell, QImage::Format_RGB32);
    for (int y = 0; y < Cell; ++y)
        for (int x = 0; x < Cell; ++x) {
            const bool thread = (x % 4 == 0 && y % 4 == 0) || (x % 4 == 2 && y % 4 == 2);
            tile.setPixel(x, y, thread ? weave : base);
        }
    return tile;
}

} // namespace

QImage drawSheet(const QString &artDir)
{
    const PixelArt side = PixelArt::load(artDir + QStringLiteral("/digger_side.txt"));
    const PixelArt front = PixelArt::load(artDir + QStringLiteral("/digger_front.txt"));
    const PixelArt tiles = PixelArt::load(artDir + QStringLiteral("/tiles.txt"));
    const PixelArt icons = PixelArt::load(artDir + QStringLiteral("/status_icons.txt"));

    QImage sheet(10 * Cell, 7 * Cell, QImage::Format_RGB32);
    sheet.fill(Qt::black);

    const char *rows[4][4] = {
        {"walk0", "walk1", "walk2", "stand"},
        {"dig0", "dig1", "dig2", "dig3"},
        {"step0", "step1", "step2", "fall"},
        {"land0", "land1", "land2", "land3"},
    };
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const QImage left = side.frame(QLatin1String(rows[r][c]));
            put(sheet, c, r, left);
            put(sheet, c + 4, r, mirrored(left));
        }

    for (int i = 0; i < 4; ++i) {
        put(sheet, i, 4, front.frame(QStringLiteral("squeeze%1").arg(i)));
        const QImage cheer = front.frame(QStringLiteral("cheer%1").arg(i));
        put(sheet, 4 + i, 4, cheer);
        put(sheet, 4 + i, 5, blackOnWhiteMask(cheer));
    }

    const QImage soil = tiles.frame(QStringLiteral("soil"));
    const std::vector<QImage> stages = crumbleStages(soil);
    for (int i = 0; i < 4; ++i)
        put(sheet, i, 5, stages[size_t(i)]);

    const char *codes[10] = {nullptr, "soil", "damage", "gold", "life", "stone", "special", "power", "long", "large"};
    for (int k = 1; k < 10; ++k)
        put(sheet, k, 6, tiles.frame(QLatin1String(codes[k])));

    // Turning on the spot: side, front, other side, back.
    const QImage standing = side.frame(QStringLiteral("stand"));
    put(sheet, 8, 2, standing);
    put(sheet, 8, 3, front.frame(QStringLiteral("front")));
    put(sheet, 8, 4, mirrored(standing));
    put(sheet, 8, 5, front.frame(QStringLiteral("back")));

    // Keeling over: dazed, tipping, tipping further, flat.
    const QImage dizzy = front.frame(QStringLiteral("dizzy"));
    put(sheet, 9, 2, dizzy);
    put(sheet, 9, 3, tipOver(dizzy, 22));
    put(sheet, 9, 4, tipOver(dizzy, 55));
    put(sheet, 9, 5, lyingFlat(dizzy));

    QImage iconCell(Cell, Cell, QImage::Format_RGB32);
    iconCell.fill(Qt::white);
    {
        const QImage heart = icons.frame(QStringLiteral("heart"));
        const QImage clover = icons.frame(QStringLiteral("clover"));
        QPainter painter(&iconCell);
        painter.drawImage(0, 0, heart);
        painter.drawImage(7, 0, clover);
        painter.drawImage(0, 6, whiteOnBlackSilhouette(heart));
        painter.drawImage(7, 6, whiteOnBlackSilhouette(clover));
    }
    put(sheet, 8, 0, iconCell);
    put(sheet, 8, 1, texture(qRgb(0, 100, 108), qRgb(0, 90, 98)));
    put(sheet, 9, 0, texture(qRgb(24, 40, 140), qRgb(18, 32, 126)));
    put(sheet, 9, 1, texture(qRgb(16, 100, 40), qRgb(10, 88, 32)));
    return sheet;
}
