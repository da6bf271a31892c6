// What the settings file and its companion need from the file system: reading a file the game
// would take, setting a rejected one aside, and replacing a file in one step without ever writing
// through a link.
#pragma once

#include "rules/score_merge.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <array>
#include <optional>

struct Settings_Values {
    bool sound_switch = false;
    std::array<int32_t, Wait_Slot_Count> waits{};
    High_Scores scores;
};

// The values of a file the game would take at start: a plain file (or a link to one), small, in
// a known encoding, whose stamp names the minute of its own modification time. Nothing for any
// other; switch_read still gets the sound switch when line 2 could be read.
std::optional<Settings_Values> Read_Settings_Values(const QString& path, bool* switch_read = nullptr);

// Anything but a folder of that name, a dangling link included.
bool Counts_As_File(const QString& path);

// Of two files, whether a was written after b: by modification time, and within the same minute
// (every save sets its file's time to the start of its minute) by the time of that setting.
bool Written_After(const QString& a, const QString& b);

// Moves a rejected file aside under a name of its own, Delvano.ini.rejected-YYYYMMDD-HHMMSS, to be
// taken back by hand; a link goes as the link. False when it could not be moved: then nothing may
// be written in its place.
bool Set_Aside(const QString& path);

// Writes bytes to a new file beside target and renames it over target, which stays as it was if
// anything fails. The new file is never reached through a link: the rename replaces whatever
// name target is, a link planted there included. modified: the new file's modification time.
bool Replace_File(const QString& target, const QByteArray& bytes,
                  std::optional<QDateTime> modified = std::nullopt);

// The clock of stamps and set-aside names (Set_Settings_Clock).
QDateTime Settings_Now();
