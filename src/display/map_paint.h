// Turns the stage map into pixels on the field canvas.
#pragma once

#include <QImage>

// Mode 1 draws every cell of rows 0..15 (row 15 falls outside the 240 px canvas and is clipped
// away). Mode 0 brings the canvas into step with a map the caller has just scrolled: the band
// y 16..239 moves up through the viewport's scratch image and map row 14 is drawn into the
// freed bottom band. Any other mode draws nothing. A cell that is not a digit is empty.
void Map_Paint(QImage& canvas, QImage& scratch, const QImage& sheet, int mode);
