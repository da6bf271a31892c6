// Delvano.ini: the sound switch, the seven pacing values and the high-score table, read at
// start-up and written whenever the player changes one of them, and at the end of a run.
#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

enum class Load_Result { Missing, Loaded, Broken };

// Loaded: Wait_Value, Score_Table entries 0..2 and sound_switch come from the file; the caller
// refreshes the status panel. Missing (no file, or a folder of that name): defaults, no message,
// sound_switch as it was. Broken: the file is set aside beside itself as
// Delvano.ini.rejected-YYYYMMDD-HHMMSS (a link as the link), then the broken-file message once
// and the defaults; a switch already read from the file keeps its value.
Load_Result Settings_Load(const QString& path, bool& sound_switch);

// Replaces the file in one step, so a failed save leaves the previous file as it was. Under a
// lock beside the file (Delvano.ini.lock) it first takes in the high scores another copy of the
// game saved there since this run last read or wrote the file; the table in play becomes the
// one written. A file there that would be rejected at start is set aside instead. The sound
// switch and the waits are this run's. On failure the player is told and false comes back.
bool Settings_Save(const QString& path, bool sound_switch);

// Pacing 1,3,1,1,1,1,1 and all four score entries empty.
void Set_Settings_Defaults();

// The program folder's Delvano.ini when we may write it there, else the user's configuration
// folder's: the folder is read-only, or the file is a folder or belongs to someone else.
QString Settings_Path(const QString& app_dir);

// The load at start, with path from Settings_Path. Of path and the other place (the program
// folder's file, or the configuration folder's), one that holds a file is loaded. A player who
// unpacked the game with their file into a folder they cannot write starts with that file's
// table, and the save then goes to the configuration folder. When both hold one, the newer is
// loaded and the other's high scores join the table.
Load_Result Settings_Load_Start(const QString& path, const QString& app_dir, bool& sound_switch);

// Where the stamp's "now" comes from; an empty function brings back the real clock.
void Set_Settings_Clock(std::function<QDateTime()> now);
