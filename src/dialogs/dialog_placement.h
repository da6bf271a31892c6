// What the game's small dialogs share: how they open (the game window locked, the dialog at a
// fixed offset from the game window's outer corner, above every other window, without
// waiting), their tiled backgrounds and their transparent labels.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPoint>
#include <QWidget>

// The window flags of a fixed dialog with only a close box.
Qt::WindowFlags Fixed_Dialog_Flags();

// Moves the dialog's frame to the game window's frame corner plus the offset (the screen edge
// does not push it back), makes it topmost and shows it modeless. The caller has already
// disabled the game window; the dialog enables it again when it unloads.
void Show_Dialog_At(QWidget& dialog, const QWidget& game_window, QPoint offset);

// A label that only shows its text over the tiles beneath it.
QLabel* Dialog_Label(QWidget* parent, int left, int top, int width, int height,
                     const QColor& colour, const QFont& font, Qt::Alignment align,
                     const QString& text);

// Copies one 16 × 16 sheet cell rows × columns times from the image's top-left corner; what
// overhangs the image is clipped.
void Tile_Background(QImage& image, int rows, int columns, int sheet_x, int sheet_y);
