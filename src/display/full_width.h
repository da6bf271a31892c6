// Numbers shown to the player are written in full-width digits: 1234 reads "１２３４".
#pragma once

#include <QString>

#include <cstdint>

// Every ASCII character of text (digits, "p", "-") becomes its full-width form.
QString Full_Width(const QString& text);

inline QString Full_Width(int32_t number)
{
    return Full_Width(QString::number(number));
}
