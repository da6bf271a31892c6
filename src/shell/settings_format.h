// The text layout of Delvano.ini, apart from any file: header and stamp, the delimited items,
// strict numbers and the decoding of the bytes.
#pragma once

#include "state/module1.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

inline constexpr int Settings_Line_Count = 15;
// A real file is well under 1 KiB; anything this large is not ours and is not read at all.
inline constexpr qint64 Settings_Max_Bytes = 64 * 1024;
// Characters 22..31 of the header hold the stamp.
inline constexpr int Stamp_First_Char = 22;
inline constexpr int Stamp_Length = 10;

QString Settings_Stamp(const QDateTime& when);
QString Settings_Header(const QDateTime& when);

// UTF-8 (with or without BOM) when the bytes are valid UTF-8, else Shift-JIS as written by the
// Windows versions of the game. Nothing when neither reads cleanly.
std::optional<QString> Settings_Decode(const QByteArray& bytes);

// CR LF, lone LF and lone CR all end a line; a last line without an ending still counts.
QStringList Settings_Split_Lines(const QString& text);

// The delimited item of a line: a quoted text up to its closing quote (or the line end when the
// quote is never closed), else everything up to the first comma, spaces trimmed.
QString Settings_Item(const QString& line);

// A 32-bit decimal number, optional sign, spaces around it allowed, nothing else.
std::optional<int32_t> Settings_Number(const QString& item);

// Characters first..first+count-1 (1-based, counted as characters, not UTF-16 units); fewer when
// the text is shorter.
QString Settings_Mid(const QString& text, int first, int count);

// A name as it can be stored in a quoted item: '"' becomes '＂', line breaks become spaces.
QString Settings_Storable_Name(const QString& name);

// A text item as written: in double quotes.
QString Settings_Quoted(const QString& text);
// Two lines for each entry: its storable name quoted, then its score.
void Append_Settings_Table(QStringList& lines, std::span<const Score_Entry> table);
// The lines as written: each ended by CR LF, in UTF-8.
QByteArray Settings_Bytes(const QStringList& lines);
