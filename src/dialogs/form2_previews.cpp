#include "dialogs/form2_previews.h"

#include "rules/cell_codes.h"
#include "rules/sheet_cells.h"

namespace {

// Frame n of a side pose's eight: four facing left, then four facing right.
Preview_Copy side_frame(Sheet_Cell (*pose)(int, int), int n)
{
    const Sheet_Cell cell = pose(n / 4, n % 4);
    return {cell.x, cell.y, Cell_Size, Cell_Size, 0, 0};
}

}  // namespace

const std::array<QString, 7>& Preset_Names()
{
    static const std::array<QString, 7> names = {
        QStringLiteral("ユーザー設定"),         QStringLiteral("200MHz程度のマシン"),
        QStringLiteral("400MHz程度のマシン"),   QStringLiteral("800MHz程度のマシン"),
        QStringLiteral("1.2GHz程度のマシン"),   QStringLiteral("1.8GHz程度のマシン"),
        QStringLiteral("2.4GHz程度のマシン"),
    };
    return names;
}

std::optional<std::array<int, Wait_Slot_Count>> Preset_Positions(int entry)
{
    // Past 800 MHz the game's pacing no longer depends on the machine.
    static const std::array<int, Wait_Slot_Count> fast = {2, 4, 2, 2, 1, 2, 2};
    switch (entry) {
    case 1: return std::array<int, Wait_Slot_Count>{0, 2, 0, 0, 0, 0, 0};
    case 2: return std::array<int, Wait_Slot_Count>{1, 3, 2, 1, 0, 1, 2};
    case 3:
    case 4:
    case 5:
    case 6: return fast;
    default: return std::nullopt;
    }
}

int Preview_Interval(int position)
{
    return position == 0 ? 1 : position * 50;
}

int Preview_Frame_Count(int slot)
{
    static const int counts[Wait_Slot_Count] = {8, 10, 8, 8, 4, 8, 4};
    return slot >= 0 && slot < Wait_Slot_Count ? counts[slot] : 1;
}

std::vector<Preview_Copy> Preview_Frame(int slot, int n)
{
    switch (slot) {
    case Slot_Walk: return {side_frame(Walking_Pose, n)};
    // The second walking frame of one side for five ticks, then of the other.
    case Slot_Turn: {
        const Sheet_Cell cell = Walking_Pose(n / 5, 1);
        return {{cell.x, cell.y, Cell_Size, Cell_Size, 0, 0}};
    }
    case Slot_Dig: return {side_frame(Digging_Pose, n)};
    case Slot_Step_Into_Hole: return {side_frame(Stepping_Off_Pose, n)};
    case Slot_Falling: {
        // The soil cell scrolled up 4n px: its lower part on top, its top part below.
        const Sheet_Cell soil = Map_Tile(Cell_Soil);
        const int shift = 4 * n;
        if (shift == 0)
            return {{soil.x, soil.y, Cell_Size, Cell_Size, 0, 0}};
        return {{soil.x, soil.y + shift, Cell_Size, Cell_Size - shift, 0, 0},
                {soil.x, soil.y, Cell_Size, shift, 0, Cell_Size - shift}};
    }
    case Slot_Landing: return {side_frame(Landing_Pose, n)};
    case Slot_Other: {
        const Sheet_Cell cell = Squeezed_Pose(n);
        return {{cell.x, cell.y, Cell_Size, Cell_Size, 0, 0}};
    }
    default: return {};
    }
}

int Next_Preview_Frame(int slot, int counter)
{
    const int next = counter + 1;
    return next == Preview_Frame_Count(slot) ? 0 : next;
}
