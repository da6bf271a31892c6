// The game window as the rules see it.
#include "core/pacing.h"
#include "display/blit.h"
#include "display/map_paint.h"
#include "display/pictures.h"
#include "display/status_panel.h"
#include "game_window/form1.h"
#include "shell/sound.h"

void Form1::Paint_Digger(int sheet_x, int sheet_y)
{
    Blit_Cell(Picture2->image(), Sheet(), 0, 0, sheet_x, sheet_y);
    Picture2->update();
}

void Form1::Move_Digger(int left, int top)
{
    Picture2->move(left, top);
}

void Form1::Refresh_Digger()
{
    Picture2->Refresh();
}

void Form1::Paint_Tile(int x, int y, int sheet_x, int sheet_y, Raster op)
{
    Blit_Cell(Picture1->image(), Sheet(), x, y, sheet_x, sheet_y, op);
    Picture1->update(x, y, Cell_Size, Cell_Size);
}

void Form1::Refresh_Field()
{
    Picture1->Refresh();
}

void Form1::Set_Field_Top(int top)
{
    Picture1->move(0, top);
}

void Form1::Save_Field()
{
    Blit(Picture3->image(), Picture1->image(), 0, 0, Picture3->width(), Picture3->height(), 0, 0);
}

void Form1::Clear_Field()
{
    Picture1->Clear();
}

void Form1::Restore_Field()
{
    Blit(Picture1->image(), Picture3->image(), 0, 0, Picture3->width(), Picture3->height(), 0, 0);
    Picture1->update();
}

void Form1::Map_Paint(int mode)
{
    ::Map_Paint(Picture1->image(), Picture3->image(), Sheet(), mode);
    Picture1->update();
}

void Form1::States_Refresh()
{
    Paint_Status_Panel(*Client, Label1);
}

void Form1::Wait_Prog(int slot)
{
    ::Wait_Prog(slot);
}

void Form1::Sound(const std::string& name)
{
    Play_Sound(Sound_Switch(), name);
}

void Form1::Yield()
{
    Pacing().Yield_Once();
}
