// The program's one version number and the one text made from it; the settings header and the
// version dialog both show that text.
#pragma once

#include <string>

inline constexpr int Version_Major = 3;
inline constexpr int Version_Minor = 0;

// "Ver" + major + "." + the minor number's last two digits, zero-padded: "Ver3.00".
inline std::string Version_Label(int major = Version_Major, int minor = Version_Minor)
{
    const std::string minor_digits = "00" + std::to_string(minor);
    return "Ver" + std::to_string(major) + "." + minor_digits.substr(minor_digits.size() - 2);
}
