#pragma once

#include <QImage>
#include <QString>

// Each picture of the game, drawn from the text art in `art_dir`.
QImage Draw_Sheet(const QString& art_dir);
QImage Draw_Background();
QImage Draw_Title(const QImage& sheet);
QImage Draw_Logo_Plate();

// The program icon at `size` px (16, 32, 48, 64, 128 or 256), transparent ground.
QImage Draw_Program_Icon(const QString& art_dir, int size);

// Writes the ten effects as 16-bit mono PCM into `sound_dir`.
void Write_Sounds(const QString& sound_dir);

// A 4x nearest-neighbour review sheet of the committed pictures and icons.
void Write_Contact_Sheet(const QString& asset_dir, const QString& out_dir);
