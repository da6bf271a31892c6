#include "core/name_entry.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::u16string_view Characters = Name_Characters;
constexpr int Character_Count = static_cast<int>(Characters.size());

char16_t turned(char16_t c, int step)
{
    const size_t found = Characters.find(c);
    const int at = found == Characters.npos ? Character_Count - 1 : static_cast<int>(found);
    return Characters[static_cast<size_t>((at + step + Character_Count) % Character_Count)];
}

}  // namespace

Name_Entry Name_Entry_After(Name_Entry entry, Name_Move move, int max_length)
{
    std::u16string& text = entry.text;
    const int size = static_cast<int>(text.size());
    int& cursor = entry.cursor;
    cursor = std::clamp(cursor, 0, size);
    const bool room = size < max_length;
    switch (move) {
    case Name_Move::Up:
    case Name_Move::Down:
        if (cursor == size && !room)
            break;
        if (cursor == size)
            text += u' ';
        text[static_cast<size_t>(cursor)] =
            turned(text[static_cast<size_t>(cursor)], move == Name_Move::Up ? 1 : -1);
        break;
    case Name_Move::Left:
        cursor = std::max(cursor - 1, 0);
        break;
    case Name_Move::Right:
        if (cursor < size)
            ++cursor;
        // A blank to turn into the next character, as long as the name has room for it.
        if (cursor == static_cast<int>(text.size()) && room)
            text += u' ';
        break;
    case Name_Move::Rub_Out:
        if (cursor > 0)
            text.erase(static_cast<size_t>(--cursor), 1);
        break;
    }
    return entry;
}
