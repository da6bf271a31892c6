#include "crisp_text.h"
#include "drawings.h"
#include "marble.h"
#include "rules/cell_codes.h"
#include "rules/sheet_cells.h"
#include "state/module1.h"

#include <QPainter>

#include <algorithm>

namespace {

const QColor Letter(255, 232, 40);
const QColor Letter_Deep(248, 160, 24);
const QColor Ink(48, 20, 8);

// Brown bricks in a running bond, each brick its own shade, with a lit top
// edge and a shaded bottom edge.
QImage brick_wall(int width, int height)
{
    const QRgb shades[4] = {qRgb(150, 76, 42), qRgb(134, 66, 36), qRgb(164, 88, 50), qRgb(122, 60, 34)};
    const QRgb mortar = qRgb(58, 36, 26);
    const int bw = 24, bh = 12;
    QImage wall(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const int course = y / bh;
        const int offset = (course % 2) * (bw / 2);
        for (int x = 0; x < width; ++x) {
            const int bx = (x + offset) / bw;
            const int in_x = (x + offset) % bw, in_y = y % bh;
            if (in_x == 0 || in_y == 0) {
                wall.setPixel(x, y, mortar);
                continue;
            }
            QColor c(shades[(bx * 7 + course * 3 + (bx * course) % 5) % 4]);
            if (in_y == 1)
                c = c.lighter(118);
            else if (in_y == bh - 1 || in_x == bw - 1)
                c = c.darker(125);
            else if (Smooth_Noise(x / 2.0, y / 2.0, 41) > 0.78)
                c = c.darker(112);
            wall.setPixel(x, y, c.rgb());
        }
    }
    return wall;
}

// Yellow letters with a dark rim, fitted into their box and centred in it.
void headline(QImage& image, const QString& text, const QRect& box, int start, bool bold, int shadow)
{
    const int margin = 1;
    const Text_Style style = Fit_Text(text, QSize(box.width() - shadow, box.height() - shadow), start, margin, bold);
    const QImage mask = Text_Mask(text, style);
    const QPoint at = Centred(mask.size() + QSize(shadow, shadow), box);
    if (shadow > 0) {
        for (int s = shadow; s > 0; --s)
            Stamp(image, mask, at + QPoint(s, s), Ink);
    }
    Stamp_Outline(image, mask, at, Ink, margin);
    if (!bold) {
        Stamp(image, mask, at, Letter);
        return;
    }
    // The big logo fades from lemon at the top to orange at the foot.
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (qRed(mask.pixel(x, y)) > 127)
                image.setPixel(at.x() + x, at.y() + y, y * 3 < mask.height() * 2 ? Letter.rgb() : Letter_Deep.rgb());
}

}  // namespace

QImage Draw_Title(const QImage& sheet)
{
    QImage image = brick_wall(240, 224);
    headline(image, QStringLiteral("でるでるパズルアクション"), QRect(31, 39, 177, 17), 16, false, 0);
    headline(image, QStringLiteral("でるぼん"), QRect(31, 72, 177, 40), 44, true, 2);
    headline(image, QStringLiteral("Push Any Key"), QRect(49, 169, 140, 15), 16, false, 0);

    // A strip of soil along the foot, with the digger and some finds on it.
    QPainter painter(&image);
    auto sheet_cell = [&](Sheet_Cell place) {
        return sheet.copy(place.x, place.y, Cell_Size, Cell_Size);
    };
    for (int x = 0; x < 240; x += Cell_Size)
        painter.drawImage(x, 208, sheet_cell(Map_Tile(Cell_Soil)));
    auto sprite = [&](Sheet_Cell place, int x) {
        const QImage cell = sheet_cell(place);
        for (int y = 0; y < Cell_Size; ++y)
            for (int px = 0; px < Cell_Size; ++px)
                if ((cell.pixel(px, y) & 0xffffff) != 0)
                    image.setPixel(x + px, 192 + y, cell.pixel(px, y));
    };
    sprite(Standing_Pose(Facing_Right), 104);
    sprite(Map_Tile(Cell_Gold), 136);
    sprite(Map_Tile(Cell_Special), 72);
    return image;
}

QImage Draw_Logo_Plate()
{
    const int w = 80, h = 21;
    QImage plate(w, h, QImage::Format_RGB32);
    const QRgb face = qRgb(178, 180, 188), light = qRgb(232, 234, 240), dark = qRgb(104, 106, 116),
               edge = qRgb(56, 58, 66);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            QRgb c = face;
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1)
                c = edge;
            else if (x == 1 || y == 1)
                c = light;
            else if (x == w - 2 || y == h - 2)
                c = dark;
            plate.setPixel(x, y, c);
        }
    for (QPoint rivet : {QPoint(3, 3), QPoint(w - 5, 3), QPoint(3, h - 5), QPoint(w - 5, h - 5)}) {
        plate.setPixel(rivet, light);
        plate.setPixel(rivet + QPoint(1, 0), face);
        plate.setPixel(rivet + QPoint(0, 1), face);
        plate.setPixel(rivet + QPoint(1, 1), dark);
    }
    const QString name = QStringLiteral("でるぼん");
    const QRect area(7, 2, w - 14, h - 4);
    const Text_Style style = Fit_Text(name, area.size() - QSize(1, 1), 16, 0, true);
    const QImage mask = Text_Mask(name, style);
    const QPoint at = Centred(mask.size() + QSize(1, 1), area);
    Stamp(plate, mask, at + QPoint(1, 1), QColor(light));
    Stamp(plate, mask, at, QColor(28, 60, 200));
    return plate;
}
