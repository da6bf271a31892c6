// What the game's small dialogs share: a client area tiled from a sheet texture, the game window
// locked while any of them exists, placement at an offset from the game window's outer corner
// above it, Esc as the close box, and one unload that hands the keyboard back to the game, or to
// the dialog still open.
// Their labels are Transparent_Label, which this header brings along.
#pragma once

#include "display/surface.h"
#include "display/transparent_label.h"
#include "rules/sheet_cells.h"

#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>

class Game_Dialog : public QWidget {
    Q_OBJECT
public:
    // Moves the dialog's frame to the game window's frame corner plus the offset (the screen
    // edge does not push it back) and shows it above the game window without waiting.
    void Open_At(QPoint offset);

    // The dialog's own unload steps, then the game window enabled again with the keyboard on
    // its digger box, unless another dialog still holds it: that one, the newest, gets the
    // keyboard. Runs once, whichever way the dialog closes, and then tells Unloaded.
    void Form_Unload();

    Surface* Client = nullptr;  // the tiled client area

signals:
    // The dialog has closed: whatever it changed is in the shared state now.
    void Unloaded();

protected:
    // Disables the game window at once; the dialog lives no longer than the game window.
    // texture is the sheet cell the background is tiled with.
    Game_Dialog(QWidget* game_window, const QString& title, QSize client, Sheet_Cell texture);
    ~Game_Dialog() override;

    // Paints the texture over the whole client area, the last row and column clipped.
    void Tile_Background();
    // What this dialog itself does as it closes, before the game window takes over again.
    virtual void Unload_Steps() {}

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<QWidget> game_window_;
    Sheet_Cell texture_;
    bool unloaded_ = false;
};
