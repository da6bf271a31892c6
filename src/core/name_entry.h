// A name entered as on an arcade machine, with nothing but a controller: up and down turn the
// character at the cursor through the letters, the digits and a space; left and right move the
// cursor, and right past the last character opens a new one; X rubs out the one before it.
#pragma once

#include <string>

enum class Name_Move { Up, Down, Left, Right, Rub_Out };

// The cursor stands between characters, 0..size; the character at it is the one after it. The
// text is in UTF-16, as the name box counts characters and places its cursor.
struct Name_Entry {
    std::u16string text;
    int cursor = 0;
};

// The characters up steps through, wrapping round; down goes the other way.
inline constexpr char16_t Name_Characters[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ";

// The entry after one move, never longer than max_length. A character up and down do not know
// (a lowercase or Japanese one typed on the keyboard) counts as the space; with the cursor past
// the end, up and down start a new character there.
Name_Entry Name_Entry_After(Name_Entry entry, Name_Move move, int max_length);
