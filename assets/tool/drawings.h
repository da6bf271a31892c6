#pragma once

#include <QImage>
#include <QString>

// Each picture of the game, drawn from the text art in `art_dir`.
QImage draw_sheet(const QString& art_dir);
QImage draw_background();
QImage draw_title(const QImage& sheet);
QImage draw_logo_plate();

// The program icon at `size` px (16, 32, 48, 64, 128 or 256), transparent ground.
QImage draw_program_icon(const QString& art_dir, int size);

// Writes the ten effects as 16-bit mono PCM into `sound_dir`.
void write_sounds(const QString& sound_dir);

// A 4x nearest-neighbour review sheet of the committed pictures and icons.
void write_contact_sheet(const QString& asset_dir, const QString& out_dir);
