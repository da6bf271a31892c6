// The colours of the game's controls and texts, named once. The pictures carry their own.
#pragma once

#include <QColor>

inline const QColor Black(0, 0, 0);
inline const QColor White(255, 255, 255);
inline const QColor Yellow(255, 255, 0);
inline const QColor Orange(255, 128, 0);
inline const QColor Olive(128, 128, 0);           // the game-over caption's shadow
inline const QColor Green(0, 255, 0);             // the version dialog's address and rule
inline const QColor Dark_Green(0, 64, 0);         // the version dialog's shadows
inline const QColor Title_Green(0, 128, 0);       // behind the title picture
inline const QColor Viewport_Grey(128, 128, 128); // behind the field canvas
