// What the rules may do to the game window. The window draws for real; the tests record.
// Positions are pixels: the digger box and the field canvas live inside the 240 × 224 viewport,
// tiles are 16 × 16 cells of the sprite sheet named by their top-left pixel.
//
// Overtaken sequences: Wait_Prog and Yield run the event loop, so a new game or the window's
// close can happen inside them. They return normally all the same; the Sequence that called
// them checks Game_Serial next and unwinds with Overtaken. Game_Over runs a whole sequence of
// its own and may therefore let Overtaken through to the rule that called it. No other call
// yields, so no other call can be overtaken.
#pragma once

#include "rules/sheet_cells.h"

#include <string>

enum class Raster { Copy, And, Paint };  // plain copy, SRCAND, SRCPAINT

// Map_Paint's modes: catch up with a map just scrolled by one row, or draw the whole map.
inline constexpr int Map_Paint_Scrolled = 0;
inline constexpr int Map_Paint_Whole = 1;

class Screen {
public:
    virtual ~Screen() = default;

    // The digger box `Picture2`: paint a 16 × 16 sheet cell into it (plain copy), place it
    // inside the viewport, repaint it at once.
    virtual void Paint_Digger(int sheet_x, int sheet_y) = 0;
    virtual void Move_Digger(int left, int top) = 0;
    virtual void Refresh_Digger() = 0;

    // The field canvas `Picture1` (240 × 240): paint a 16 × 16 sheet cell at (x, y), clipped.
    virtual void Paint_Tile(int x, int y, int sheet_x, int sheet_y, Raster op) = 0;
    virtual void Refresh_Field() = 0;
    virtual void Set_Field_Top(int top) = 0;  // 0 at rest, down to −16 while a fall step slides
    // The special item's blink: keep the visible 240 × 224 in the viewport's own image,
    // blank the canvas, put the kept image back.
    virtual void Save_Field() = 0;
    virtual void Clear_Field() = 0;
    virtual void Restore_Field() = 0;

    virtual void Map_Paint(int mode) = 0;
    virtual void States_Refresh() = 0;
    virtual void Wait_Prog(int slot) = 0;
    virtual void Sound(const std::string& name) = 0;
    virtual void Game_Over() = 0;
    virtual void Yield() = 0;

    // The same paints with the sheet cell given by its name.
    void Paint_Digger(Sheet_Cell cell) { Paint_Digger(cell.x, cell.y); }
    void Paint_Tile(int x, int y, Sheet_Cell cell, Raster op)
    {
        Paint_Tile(x, y, cell.x, cell.y, op);
    }
};
