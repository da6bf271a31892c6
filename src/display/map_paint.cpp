#include "display/map_paint.h"

#include "display/blit.h"
#include "rules/screen.h"
#include "rules/sheet_cells.h"
#include "rules/stage_map.h"
#include "state/module1.h"

namespace {

void paint_row(QImage& canvas, const QImage& sheet, int row, int y)
{
    for (int column = 1; column <= Field_Columns; ++column)
        Blit_Cell(canvas, sheet, Column_Left(column), y, Map_Tile(Cell(row, column)));
}

}  // namespace

void Map_Paint(QImage& canvas, QImage& scratch, const QImage& sheet, int mode)
{
    if (mode == Map_Paint_Whole) {
        for (int row = 0; row < Map_Rows; ++row)
            paint_row(canvas, sheet, row, Row_Top(row));
    } else if (mode == Map_Paint_Scrolled) {
        // Everything below the top row moves up one row, through the viewport's own image.
        const int band = canvas.height() - Cell_Size;
        Blit(scratch, canvas, 0, 0, canvas.width(), band, 0, Cell_Size);
        Blit(canvas, scratch, 0, 0, canvas.width(), band, 0, 0);
        const int last_row = canvas.height() / Cell_Size - 1;
        paint_row(canvas, sheet, last_row, Row_Top(last_row));
    }
}
