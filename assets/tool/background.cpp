#include "crisp_text.h"
#include "drawings.h"
#include "marble.h"

#include <QPainter>

namespace {

const QRgb Box_Blue = qRgb(16, 24, 112);
const QRgb Rim = qRgb(255, 255, 255);
const QRgb Shadow = qRgb(46, 46, 54);

// A status box: white rim on its inclusive bounds, one plain blue inside,
// and a shadow just outside its lower right edge to lift it off the marble.
void box(QImage& image, int x0, int x1, int y0, int y1, QRgb inside = Box_Blue)
{
    for (int x = x0 + 1; x <= x1 + 1; ++x)
        image.setPixel(x, y1 + 1, Shadow);
    for (int y = y0 + 1; y <= y1 + 1; ++y)
        image.setPixel(x1 + 1, y, Shadow);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const bool edge = x == x0 || x == x1 || y == y0 || y == y1;
            image.setPixel(x, y, edge ? Rim : inside);
        }
}

void caption(QImage& image, const QString& text, int x0, int x1, int y0, int y1)
{
    const QImage mask = Text_Mask(text, Text_Style{12, false});
    Stamp(image, mask, Centred(mask.size(), QRect(x0 + 1, y0 + 1, x1 - x0 - 1, y1 - y0 - 1)), Qt::white);
}

// The unit after each score, in the last columns of its value box.
void points_mark(QImage& image, int y0, int y1)
{
    const QImage mask = Text_Mask(QStringLiteral("p"), Text_Style{12, false});
    const int top = y1 - 1 - mask.height();
    Stamp(image, mask, QPoint(364 + (6 - mask.width()) / 2, std::max(y0 + 1, top)), Qt::white);
}

}  // namespace

QImage Draw_Background()
{
    QImage image = Marble(375, 234);

    // The play area sits a little sunk into the frame.
    for (int x = 3; x <= 244; ++x) {
        image.setPixel(x, 5, Shadow);
        image.setPixel(x, 230, qRgb(210, 210, 218));
    }
    for (int y = 5; y <= 230; ++y) {
        image.setPixel(3, y, Shadow);
        image.setPixel(244, y, qRgb(210, 210, 218));
    }
    for (int y = 6; y <= 229; ++y)
        for (int x = 4; x <= 243; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));

    struct Row { const char* caption; int y0, y1; bool points; };
    const Row value_rows[] = {
        {"スコア", 6, 20, true}, {"ライフ", 26, 40, false}, {"特殊", 46, 60, false},
        {"1位", 124, 138, true}, {"2位", 161, 175, true}, {"3位", 198, 212, true},
    };
    for (const Row& row : value_rows) {
        box(image, 249, 294, row.y0, row.y1);
        caption(image, QString::fromUtf8(row.caption), 249, 294, row.y0, row.y1);
        box(image, 297, 370, row.y0, row.y1);
        if (row.points)
            points_mark(image, row.y0, row.y1);
    }
    for (int y0 : {63, 141, 178, 215})
        box(image, 249, 370, y0, y0 + 14);

    // The banner's stage: black, in the same white frame as the boxes.
    box(image, 249, 370, 83, 118, qRgb(0, 0, 0));
    return image;
}
