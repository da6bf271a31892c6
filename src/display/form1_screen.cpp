// The game window as the rules see it.
#include <QCoreApplication>

#include "core/pacing.h"
#include "dialogs/game_over.h"
#include "display/blit.h"
#include "display/form1.h"
#include "display/map_paint.h"
#include "display/pictures.h"
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
    Picture1->update(x, y, 16, 16);
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
    Blit(Picture3->image(), Picture1->image(), 0, 0, 240, 224, 0, 0);
}

void Form1::Clear_Field()
{
    Picture1->Clear();
}

void Form1::Restore_Field()
{
    Blit(Picture1->image(), Picture3->image(), 0, 0, 240, 224, 0, 0);
    Picture1->update();
}

void Form1::Map_Paint(int mode)
{
    ::Map_Paint(Picture1->image(), Picture3->image(), Sheet(), mode);
    Picture1->update();
}

void Form1::Wait_Prog(int slot)
{
    ::Wait_Prog(slot);
}

void Form1::Sound(const std::string& name)
{
    Play_Sound(Sound_Switch(), name);
}

void Form1::Game_Over()
{
    Run_Game_Over(*this);
}

void Form1::Yield()
{
    Pacing().Yield_Once();
}
