#include "rules/dig.h"

#include "rules/cell_codes.h"
#include "rules/sequence.h"
#include "rules/sheet_cells.h"
#include "state/module1.h"
#include "state/random_source.h"

namespace {

const char* base_pattern(int shovel, int dir)
{
    switch (shovel) {
    case Shovel_Power: return dir == Facing_Left ? "10100000" : "01010000";
    case Shovel_Long: return dir == Facing_Left ? "10001000" : "01000100";
    case Shovel_Large: return dir == Facing_Left ? "10000010" : "01000001";
    // The erase shovel has no pattern of its own: it digs like the normal one.
    default: return dir == Facing_Left ? "10000000" : "01000000";
    }
}

char dug_code()
{
    const int v = Rnd_Int(100);
    if (v == 0)
        return Cell_Special;
    if (v <= 2)
        return static_cast<char>(Cell_Power_Shovel + Rnd_Int(3));
    if (v <= 5)
        return Cell_Damage;
    if (v <= 9)
        return Cell_Life;
    if (v <= 14)
        return Cell_Gold;
    if (v <= 17)
        return Cell_Stone;
    return Cell_Empty;
}

}  // namespace

Dig_Place Dig_Position(int position, int x)
{
    switch (position) {
    case 1: return {2, x - 1};
    case 2: return {2, x + 1};
    case 3: return {3, x - 1};
    case 4: return {3, x + 1};
    case 5: return {2, x - 2};
    case 6: return {2, x + 2};
    case 7: return {1, x - 1};
    default: return {1, x + 1};
    }
}

void Dig_Judge()
{
    Dig_Mask = base_pattern(Shovel_Type, Digger_Dir);
    switch (Digger_X) {
    case 1:
        for (int p : {1, 3, 5, 7})
            Set_Char(Dig_Mask, p, '0');
        break;
    case 2: Set_Char(Dig_Mask, 5, '0'); break;
    case Field_Columns - 1: Set_Char(Dig_Mask, 6, '0'); break;
    case Field_Columns:
        for (int p : {2, 4, 6, 8})
            Set_Char(Dig_Mask, p, '0');
        break;
    default: break;
    }
    for (int p = 1; p <= 8; ++p) {
        if (Char_At(Dig_Mask, p) != '1')
            continue;
        const Dig_Place place = Dig_Position(p, Digger_X);
        if (Cell(place.row, place.column) != Cell_Soil)
            Set_Char(Dig_Mask, p, '0');
    }
    Dig_Codes.clear();
    for (int p = 1; p <= 8; ++p)
        Dig_Codes += Char_At(Dig_Mask, p) == '1' ? dug_code() : Cell_Empty;
}

bool Dig_Action(Screen& screen)
{
    Dig_Judge();
    if (Dig_Mask.find('1') == std::string::npos)
        return false;
    Sequence sequence(screen);
    try {
        screen.Sound("Dig");
        const int d = Digger_Dir;
        const auto pose = [d](int frame) { return Digging_Pose(d, frame); };
        sequence.Play_Pose(Slot_Dig, pose, [&](int frame) {
            for (int p = 1; p <= 8; ++p) {
                if (Char_At(Dig_Mask, p) != '1')
                    continue;
                const Dig_Place place = Dig_Position(p, Digger_X);
                screen.Paint_Tile(place.x(), place.y(), Map_Tile(Char_At(Dig_Codes, p)),
                                  p == 1 ? Raster::And : Raster::Copy);
                screen.Paint_Tile(place.x(), place.y(), Dig_Overlay(frame), Raster::Paint);
            }
            screen.Refresh_Field();
        });
        screen.Paint_Digger(Standing_Pose(d));
        for (int p = 1; p <= 8; ++p) {
            if (Char_At(Dig_Mask, p) != '1')
                continue;
            const Dig_Place place = Dig_Position(p, Digger_X);
            const char code = Char_At(Dig_Codes, p);
            screen.Paint_Tile(place.x(), place.y(), Map_Tile(code), Raster::Copy);
            Set_Char(Map_Line[static_cast<size_t>(place.row)], place.column, code);
        }
        if (Shovel_Type > Shovel_Normal) {
            --Shovel_Uses;
            if (Shovel_Uses <= Shovel_Uses_Min) {
                Shovel_Uses = Shovel_Uses_Min;
                Shovel_Type = Shovel_Normal;
            }
            screen.States_Refresh();
        }
    } catch (const Overtaken&) {
    }
    return true;
}
