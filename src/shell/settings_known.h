// Delvano.ini.known, beside the settings file: what the game itself last wrote in the table, and
// what it took from another place's file. A time moved by a backup or a sync tool makes the
// settings file fail its check, and a file in the other place is read at every start: this is
// how neither loses a score nor brings back one that was cleared.
#pragma once

#include "rules/score_merge.h"

#include <QString>

#include <map>
#include <optional>

struct Settings_Known {
    // The table of the last save of the settings file beside it.
    Score_List written;
    // For each other file whose high scores joined this one: its table as it was then.
    std::map<QString, Score_List> taken;
};

QString Settings_Known_Path(const QString& settings_path);

// Nothing when it is missing or unreadable: then nothing is known.
std::optional<Settings_Known> Read_Settings_Known(const QString& settings_path);
bool Write_Settings_Known(const QString& settings_path, const Settings_Known& known);
