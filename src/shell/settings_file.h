// Delvano.ini: the sound switch, the seven pacing values and the high-score table, read at
// start-up and written whenever the player changes one of them, and at the end of a run.
#pragma once

#include "rules/score_merge.h"

#include <QDateTime>
#include <QString>

#include <map>
#include <memory>
#include <optional>

enum class Load_Result { Missing, Loaded, Broken };
enum class Save_Result { Saved, Waiting, Failed };

// Loaded: Wait_Value, Score_Table entries 0..2 and sound_switch come from the file; the caller
// refreshes the status panel. Missing (no file, or a folder of that name): defaults, no message,
// sound_switch as it was. Broken: the file is set aside beside itself as
// Delvano.ini.rejected-YYYYMMDD-HHMMSS (a link as the link), then the broken-file message once
// and the default waits; a switch already read from the file keeps its value. The high scores
// the game itself last wrote there (Delvano.ini.known) stay: a file is broken when its time has
// moved as often as when it was edited, and the scores were never the file's to lose.
Load_Result Settings_Load(const QString& path, bool& sound_switch);

// Writes the file under a lock beside it (Delvano.ini.lock), replacing it in one step, so a
// failed save leaves the previous file as it was. The table written is the one on disk with this
// run's changes since it last read or wrote the file replayed on it (Unsaved_Score_Changes): what
// another copy of the game saved meanwhile is kept. A file there that the game would reject is no
// news: it is set aside, and the table the game itself last wrote there is taken instead. The
// sound switch and the waits are this run's. Waiting: another copy holds the lock (waited for up to
// lock_wait_ms); nothing was written, and the changes wait for the next save. Failed: the player has
// been told; the changes wait as well.
Save_Result Settings_Save(const QString& path, bool sound_switch, int lock_wait_ms = 0);

// The save-failure message, for a save that could not even begin.
void Report_Settings_Save_Failure();

// A save in two steps, for a test that stops a copy in the middle of its save: Begin takes the lock
// and decides what to write, Finish writes it. A save dropped unfinished lets go of the lock, as
// one whose copy died is taken over.
class Settings_Save_Step;
struct Settings_Save_Step_Deleter { void operator()(Settings_Save_Step* step) const; };
using Settings_Save_Under_Way = std::unique_ptr<Settings_Save_Step, Settings_Save_Step_Deleter>;
struct Settings_Save_Begun {
    Save_Result result = Save_Result::Waiting;
    Settings_Save_Under_Way step;  // when the lock was taken
};
Settings_Save_Begun Begin_Settings_Save(const QString& path, bool sound_switch, int lock_wait_ms);
Save_Result Finish_Settings_Save(Settings_Save_Under_Way step);

// Pacing 1,3,1,1,1,1,1 and all four score entries empty.
void Set_Settings_Defaults();

// The program folder's Delvano.ini when we may write it there, else the user's configuration
// folder's: the folder is read-only, or the file is a folder or belongs to someone else.
QString Settings_Path(const QString& app_dir);

// The load at start, with path from Settings_Path. When the other place (the program folder's
// file, or the configuration folder's) holds a file too, its high scores that this file has not
// taken in yet join the table, and the waits and the switch come from the newer of the two. A
// player who unpacked the game with their file into a folder they cannot write starts with that
// file's table, and the save then goes to the configuration folder.
Load_Result Settings_Load_Start(const QString& path, const QString& app_dir, bool& sound_switch);

// What a run of the game knows of its files; a test that plays several copies in one process
// keeps one for each and swaps it in.
struct Settings_Memory {
    std::map<QString, Score_List> known;  // by file: its table as this run last read or wrote it
    std::map<QString, Score_List> taken;  // by other file: its table when its scores joined ours
};
Settings_Memory& Settings_Memory_Now();

// Where the stamp's "now" comes from; an empty function brings back the real clock.
void Set_Settings_Clock(std::function<QDateTime()> now);
