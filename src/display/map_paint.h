// Turns the stage map into pixels on the field canvas.
#pragma once

#include <QImage>

// Map_Paint_Whole draws every cell of the map (its last row falls below the 240 px canvas and is
// clipped away). Map_Paint_Scrolled brings the canvas into step with a map the caller has just
// scrolled: everything below the top row moves up one row through the viewport's scratch image,
// and the map row that now lies at the canvas's bottom is drawn into the freed band. Any other
// mode draws nothing. A cell that is not a digit is empty.
void Map_Paint(QImage& canvas, QImage& scratch, const QImage& sheet, int mode);
