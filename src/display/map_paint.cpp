#include "display/map_paint.h"

#include "display/blit.h"
#include "rules/sheet_cells.h"
#include "state/module1.h"

namespace {

void paint_cell(QImage& canvas, const QImage& sheet, int row, int column, int y)
{
    const Sheet_Cell tile = Map_Tile(Char_At(Map_Line[static_cast<size_t>(row)], column));
    Blit_Cell(canvas, sheet, 16 * (column - 1), y, tile);
}

}  // namespace

void Map_Paint(QImage& canvas, QImage& scratch, const QImage& sheet, int mode)
{
    if (mode == 1) {
        for (int r = 0; r <= 15; ++r)
            for (int c = 1; c <= 15; ++c)
                paint_cell(canvas, sheet, r, c, 16 * r);
    } else if (mode == 0) {
        Blit(scratch, canvas, 0, 0, 240, 224, 0, 16);
        Blit(canvas, scratch, 0, 0, 240, 224, 0, 0);
        for (int c = 1; c <= 15; ++c)
            paint_cell(canvas, sheet, 14, c, 224);
    }
}
