// The one drawing primitive: an unscaled rectangle copy between images, clipped to the
// destination, by plain copy or with the AND / OR raster operations of sprite masks.
#pragma once

#include "rules/screen.h"
#include "rules/sheet_cells.h"

#include <QImage>

// Copies the w × h rectangle at (sx, sy) of src to (dx, dy) of dst. A negative w copies the
// source mirrored: destination column 0 takes source column sx, column 1 takes sx − 1, and so
// on. Both images must be Format_RGB32 (or ARGB32). Parts outside either image are skipped.
void Blit(QImage& dst, const QImage& src, int dx, int dy, int w, int h, int sx, int sy,
          Raster op = Raster::Copy);

// Copies a whole 16 × 16 sheet cell, the size almost every caller uses.
inline void Blit_Cell(QImage& dst, const QImage& sheet, int dx, int dy, int sx, int sy,
                      Raster op = Raster::Copy)
{
    Blit(dst, sheet, dx, dy, Cell_Size, Cell_Size, sx, sy, op);
}

inline void Blit_Cell(QImage& dst, const QImage& sheet, int dx, int dy, Sheet_Cell cell,
                      Raster op = Raster::Copy)
{
    Blit_Cell(dst, sheet, dx, dy, cell.x, cell.y, op);
}
