// The cell codes of the stage map: one digit per cell.
#pragma once

inline constexpr char Cell_Empty = '0';
inline constexpr char Cell_Soil = '1';
inline constexpr char Cell_Damage = '2';
inline constexpr char Cell_Gold = '3';
inline constexpr char Cell_Life = '4';
inline constexpr char Cell_Stone = '5';
inline constexpr char Cell_Special = '6';
inline constexpr char Cell_Power_Shovel = '7';
inline constexpr char Cell_Long_Shovel = '8';
inline constexpr char Cell_Large_Shovel = '9';

inline constexpr int Shovel_Normal = 0;
inline constexpr int Shovel_Erase = 1;  // named on the status panel, never handed out
inline constexpr int Shovel_Power = 2;
inline constexpr int Shovel_Long = 3;
inline constexpr int Shovel_Large = 4;
