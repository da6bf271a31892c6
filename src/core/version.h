// The program's one version number; the settings header and the version dialog are built from it.
#pragma once

inline constexpr int Version_Major = 3;
inline constexpr int Version_Minor = 0;
