#pragma once

#include <QImage>
#include <QString>

// Each picture of the game, drawn from the text art in `artDir`.
QImage drawSheet(const QString &artDir);
QImage drawBackground();
QImage drawTitle(const QImage &sheet);
QImage drawLogoPlate();

// The program icon at `size` px (16, 32, 48, 64, 128 or 256), transparent ground.
QImage drawProgramIcon(const QString &artDir, int size);

// Writes the ten effects as 16-bit mono PCM into `soundDir`.
void writeSounds(const QString &soundDir);

// A 4x nearest-neighbour review sheet of the committed pictures and icons.
void writeContactSheet(const QString &assetDir, const QString &outDir);
