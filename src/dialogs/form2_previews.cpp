#include "dialogs/form2_previews.h"

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

std::optional<std::array<int, Wait_Slots>> Preset_Positions(int entry)
{
    // Past 800 MHz the game's pacing no longer depends on the machine.
    static const std::array<int, Wait_Slots> fast = {2, 4, 2, 2, 1, 2, 2};
    switch (entry) {
    case 1: return std::array<int, Wait_Slots>{0, 2, 0, 0, 0, 0, 0};
    case 2: return std::array<int, Wait_Slots>{1, 3, 2, 1, 0, 1, 2};
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
    static const int counts[Wait_Slots] = {8, 10, 8, 8, 4, 8, 4};
    return slot >= 0 && slot < Wait_Slots ? counts[slot] : 1;
}

std::vector<Preview_Copy> Preview_Frame(int slot, int n)
{
    switch (slot) {
    case 0: return {{16 * n, 0, 16, 16, 0, 0}};
    // The standing pose of one side for five ticks, then of the other.
    case 1: return {{64 * (n / 5) + 16, 0, 16, 16, 0, 0}};
    case 2: return {{16 * n, 16, 16, 16, 0, 0}};
    case 3: return {{16 * n, 32, 16, 16, 0, 0}};
    case 4: {
        // The soil cell scrolled up 4n px: its lower part on top, its top part below.
        const int shift = 4 * n;
        if (shift == 0)
            return {{16, 96, 16, 16, 0, 0}};
        return {{16, 96 + shift, 16, 16 - shift, 0, 0}, {16, 96, 16, shift, 0, 16 - shift}};
    }
    case 5: return {{16 * n, 48, 16, 16, 0, 0}};
    case 6: return {{16 * n, 64, 16, 16, 0, 0}};
    default: return {};
    }
}

int Next_Preview_Frame(int slot, int counter)
{
    const int next = counter + 1;
    return next == Preview_Frame_Count(slot) ? 0 : next;
}
