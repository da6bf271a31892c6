#include "drawings.h"
#include "pixel_art.h"
#include "rules/cell_codes.h"
#include "rules/sheet_cells.h"
#include "state/module1.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

void put(QImage& sheet, Sheet_Cell place, const QImage& drawing)
{
    QPainter painter(&sheet);
    painter.drawImage(place.x, place.y, drawing);
}

QImage mirrored(const QImage& image)
{
    return image.mirrored(true, false);
}

bool is_black(QRgb c)
{
    return (c & 0xffffff) == 0;
}

// Silhouette black where the sprite has any colour, white elsewhere: the AND
// pass of a transparent blit.
QImage black_on_white_mask(const QImage& sprite)
{
    QImage mask(sprite.size(), QImage::Format_RGB32);
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            mask.setPixel(x, y, is_black(sprite.pixel(x, y)) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return mask;
}

// White where the icon is not white: the OR pass that precedes the coloured AND pass.
QImage white_on_black_silhouette(const QImage& icon)
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
std::vector<QImage> crumble_stages(const QImage& soil)
{
    std::vector<double> order;
    QVector<double> value(Cell_Size * Cell_Size);
    for (int y = 0; y < Cell_Size; ++y)
        for (int x = 0; x < Cell_Size; ++x) {
            const double clump = noise(x / 3, y / 3, 7);
            const double grain = noise(x, y, 11);
            value[y * Cell_Size + x] = 0.5 * clump + 0.2 * grain + 0.3 * (y / 15.0);
        }
    order.assign(value.begin(), value.end());
    std::sort(order.begin(), order.end());
    const double gone_share[4] = {0.22, 0.48, 0.72, 0.90};
    std::vector<QImage> stages;
    for (double share : gone_share) {
        const double cut = order[std::min<size_t>(order.size() - 1, size_t(share * order.size()))];
        QImage stage(Cell_Size, Cell_Size, QImage::Format_RGB32);
        for (int y = 0; y < Cell_Size; ++y)
            for (int x = 0; x < Cell_Size; ++x) {
                const bool gone = value[y * Cell_Size + x] < cut;
                stage.setPixel(x, y, gone ? qRgb(0, 0, 0) : soil.pixel(x, y));
            }
        // A soil pixel right under a hole is its broken edge: shade it.
        QImage shaded = stage;
        for (int y = 1; y < Cell_Size; ++y)
            for (int x = 0; x < Cell_Size; ++x)
                if (!is_black(stage.pixel(x, y)) && is_black(stage.pixel(x, y - 1)))
                    shaded.setPixel(x, y, qRgb(0x5a, 0x32, 0x16));
        stages.push_back(shaded);
    }
    return stages;
}

// Tips a standing figure over to the right, pivoting on its feet, and sets
// it back on the floor of the cell.
QImage tip_over(const QImage& figure, double degrees)
{
    const double a = qDegreesToRadians(degrees);
    const double c = std::cos(a), s = std::sin(a);
    const QPointF pivot(12.0, 16.0);
    QImage out(Cell_Size, Cell_Size, QImage::Format_RGB32);
    out.fill(Qt::black);
    // Find where the turned figure lands, then shift it to stand on row 15.
    int min_x = 99, max_x = -99, max_y = -99;
    auto turned = [&](double x, double y) {
        const double dx = x - pivot.x(), dy = y - pivot.y();
        return QPointF(pivot.x() + dx * c - dy * s, pivot.y() + dx * s + dy * c);
    };
    for (int y = 0; y < Cell_Size; ++y)
        for (int x = 0; x < Cell_Size; ++x)
            if (!is_black(figure.pixel(x, y))) {
                const QPointF p = turned(x + 0.5, y + 0.5);
                min_x = std::min(min_x, int(std::floor(p.x())));
                max_x = std::max(max_x, int(std::floor(p.x())));
                max_y = std::max(max_y, int(std::floor(p.y())));
            }
    const int shift_x = (Cell_Size - 1 - max_x - min_x) / 2;
    const int shift_y = Cell_Size - 1 - max_y;
    for (int y = 0; y < Cell_Size; ++y)
        for (int x = 0; x < Cell_Size; ++x) {
            // Inverse mapping keeps the result free of holes.
            const double px = x - shift_x + 0.5 - pivot.x(), py = y - shift_y + 0.5 - pivot.y();
            const double sx = pivot.x() + px * c + py * s, sy = pivot.y() - px * s + py * c;
            const int ix = int(std::floor(sx)), iy = int(std::floor(sy));
            if (ix >= 0 && iy >= 0 && ix < Cell_Size && iy < Cell_Size)
                out.setPixel(x, y, figure.pixel(ix, iy));
        }
    return out;
}

// Lying flat on his back along the floor, head to the right.
QImage lying_flat(const QImage& figure)
{
    QImage out(Cell_Size, Cell_Size, QImage::Format_RGB32);
    out.fill(Qt::black);
    int bottom = -1;
    for (int y = 0; y < Cell_Size; ++y)
        for (int x = 0; x < Cell_Size; ++x)
            if (!is_black(figure.pixel(x, y)))
                bottom = std::max(bottom, x);
    const int shift = Cell_Size - 1 - bottom;
    for (int y = 0; y < Cell_Size; ++y)
        for (int x = 0; x < Cell_Size; ++x) {
            const int sx = y - shift, sy = Cell_Size - 1 - x;
            if (sx >= 0 && sx < Cell_Size)
                out.setPixel(x, y, figure.pixel(sx, sy));
        }
    return out;
}

// A quiet woven texture for dialog backgrounds: two close shades, so text
// written over it stays readable.
QImage texture(QRgb base, QRgb weave)
{
    QImage tile(Cell_Size, Cell_Size, QImage::Format_RGB32);
    for (int y = 0; y < Cell_Size; ++y)
        for (int x = 0; x < Cell_Size; ++x) {
            const bool thread = (x % 4 == 0 && y % 4 == 0) || (x % 4 == 2 && y % 4 == 2);
            tile.setPixel(x, y, thread ? weave : base);
        }
    return tile;
}

}  // namespace

QImage Draw_Sheet(const QString& art_dir)
{
    const Pixel_Art side = Pixel_Art::load(art_dir + QStringLiteral("/digger_side.txt"));
    const Pixel_Art front = Pixel_Art::load(art_dir + QStringLiteral("/digger_front.txt"));
    const Pixel_Art tiles = Pixel_Art::load(art_dir + QStringLiteral("/tiles.txt"));
    const Pixel_Art icons = Pixel_Art::load(art_dir + QStringLiteral("/status_icons.txt"));

    QImage sheet(Sheet_Columns * Cell_Size, Sheet_Rows * Cell_Size, QImage::Format_RGB32);
    sheet.fill(Qt::black);

    // The side poses are drawn facing left; facing right is their mirror image.
    struct Side_Row {
        Sheet_Cell (*pose)(int facing, int frame);
        const char* frames[4];
    };
    const Side_Row side_rows[] = {
        {Walking_Pose, {"walk0", "walk1", "walk2", "stand"}},
        {Digging_Pose, {"dig0", "dig1", "dig2", "dig3"}},
        {Stepping_Off_Pose, {"step0", "step1", "step2", "fall"}},
        {Landing_Pose, {"land0", "land1", "land2", "land3"}},
    };
    for (const Side_Row& row : side_rows)
        for (int frame = 0; frame < 4; ++frame) {
            const QImage left = side.frame(QLatin1String(row.frames[frame]));
            put(sheet, row.pose(Facing_Left, frame), left);
            put(sheet, row.pose(Facing_Right, frame), mirrored(left));
        }

    for (int frame = 0; frame < 4; ++frame) {
        put(sheet, Squeezed_Pose(frame), front.frame(QStringLiteral("squeeze%1").arg(frame)));
        const QImage cheer = front.frame(QStringLiteral("cheer%1").arg(frame));
        put(sheet, Cheering_Pose(frame), cheer);
        put(sheet, Cheering_Mask(frame), black_on_white_mask(cheer));
    }

    const QImage soil = tiles.frame(QStringLiteral("soil"));
    const std::vector<QImage> stages = crumble_stages(soil);
    for (int stage = 0; stage < 4; ++stage)
        put(sheet, Dig_Overlay(stage), stages[size_t(stage)]);

    // The empty cell's tile is the sheet's own black.
    const std::pair<char, const char*> map_tiles[] = {
        {Cell_Soil, "soil"},   {Cell_Damage, "damage"},       {Cell_Gold, "gold"},
        {Cell_Life, "life"},   {Cell_Stone, "stone"},         {Cell_Special, "special"},
        {Cell_Power_Shovel, "power"}, {Cell_Long_Shovel, "long"}, {Cell_Large_Shovel, "large"},
    };
    for (const auto& [code, name] : map_tiles)
        put(sheet, Map_Tile(code), tiles.frame(QLatin1String(name)));

    // Turning on the spot: side, front, other side, back.
    const QImage standing = side.frame(QStringLiteral("stand"));
    put(sheet, Turning_View(0), standing);
    put(sheet, Turning_View(1), front.frame(QStringLiteral("front")));
    put(sheet, Turning_View(2), mirrored(standing));
    put(sheet, Turning_View(3), front.frame(QStringLiteral("back")));

    // Keeling over: dazed, tipping, tipping further, flat.
    const QImage dizzy = front.frame(QStringLiteral("dizzy"));
    put(sheet, Keeling_View(0), dizzy);
    put(sheet, Keeling_View(1), tip_over(dizzy, 22));
    put(sheet, Keeling_View(2), tip_over(dizzy, 55));
    put(sheet, Keeling_View(3), lying_flat(dizzy));

    // The icons' cell is white wherever no icon lies.
    QImage white(Cell_Size, Cell_Size, QImage::Format_RGB32);
    white.fill(Qt::white);
    put(sheet, Icons_Cell, white);
    const QImage heart = icons.frame(QStringLiteral("heart"));
    const QImage clover = icons.frame(QStringLiteral("clover"));
    put(sheet, Heart_Icon, heart);
    put(sheet, Clover_Icon, clover);
    put(sheet, Heart_Silhouette, white_on_black_silhouette(heart));
    put(sheet, Clover_Silhouette, white_on_black_silhouette(clover));

    put(sheet, High_Score_Texture, texture(qRgb(0, 100, 108), qRgb(0, 90, 98)));
    put(sheet, Wait_Settings_Texture, texture(qRgb(24, 40, 140), qRgb(18, 32, 126)));
    put(sheet, Version_Texture, texture(qRgb(16, 100, 40), qRgb(10, 88, 32)));
    return sheet;
}
