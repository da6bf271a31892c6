#include "dialogs/dialog_placement.h"

#include <QImage>
#include <QLabel>

#include "display/blit.h"
#include "display/pictures.h"
#include "display/transparent_label.h"

Qt::WindowFlags Fixed_Dialog_Flags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
           | Qt::MSWindowsFixedSizeDialogHint;
}

void Show_Dialog_At(QWidget& dialog, const QWidget& game_window, QPoint offset)
{
    // move() on a window places its frame, so both corners are outer corners.
    dialog.move(game_window.frameGeometry().topLeft() + offset);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    dialog.show();
}

QLabel* Dialog_Label(QWidget* parent, int left, int top, int width, int height,
                     const QColor& colour, const QFont& font, Qt::Alignment align,
                     const QString& text)
{
    return Transparent_Label(parent, left, top, width, height, colour, font, align, text);
}

void Tile_Background(QImage& image, int rows, int columns, int sheet_x, int sheet_y)
{
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            Blit_Cell(image, Sheet(), c * 16, r * 16, sheet_x, sheet_y);
}
