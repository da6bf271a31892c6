#include "shell/settings_disk.h"

#include "shell/settings_file.h"
#include "shell/settings_format.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::function<QDateTime()>& stamp_clock()
{
    static std::function<QDateTime()> clock;
    return clock;
}

// Everything after the header. The sound switch is handed out as soon as line 2 has been read,
// so that a file broken further down still keeps the player's switch.
bool parse_body(const QStringList& lines, Settings_Values& values, bool* switch_read)
{
    if (lines.size() < 2)
        return false;
    values.sound_switch = Settings_Item(lines[1]) == QStringLiteral("1");
    if (switch_read)
        *switch_read = values.sound_switch;
    if (lines.size() < Settings_Line_Count)
        return false;
    for (int slot = 0; slot < Wait_Slot_Count; ++slot) {
        const std::optional<int32_t> wait = Settings_Number(Settings_Item(lines[2 + slot]));
        if (!wait)
            return false;
        values.waits[slot] = *wait;
    }
    for (int entry = 0; entry < High_Score_Places; ++entry) {
        values.scores[entry].Name = Settings_Item(lines[9 + 2 * entry]).toStdString();
        const auto score = Settings_Number(Settings_Item(lines[10 + 2 * entry]));
        if (!score)
            return false;
        values.scores[entry].Score = *score;
    }
    return true;
}

// Up to the values: the file can be read, is small, decodes, and carries the stamp of its own
// modification time.
bool read_checked_lines(const QString& path, QStringList& lines)
{
    // Only a plain file: opening a pipe or a device of that name could wait for ever.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > Settings_Max_Bytes)
        return false;
    const QByteArray bytes = file.read(Settings_Max_Bytes + 1);
    const QDateTime modified = QFileInfo(path).lastModified();
    file.close();
    if (bytes.size() > Settings_Max_Bytes || !modified.isValid())
        return false;
    const std::optional<QString> text = Settings_Decode(bytes);
    if (!text)
        return false;
    lines = Settings_Split_Lines(*text);
    if (lines.isEmpty())
        return false;
    const QString header = Settings_Item(lines[0]);
    return Settings_Mid(header, Stamp_First_Char, Stamp_Length) == Settings_Stamp(modified);
}

bool is_link_or_exists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

}  // namespace

std::optional<Settings_Values> Read_Settings_Values(const QString& path, bool* switch_read)
{
    QStringList lines;
    Settings_Values values;
    if (!read_checked_lines(path, lines) || !parse_body(lines, values, switch_read))
        return std::nullopt;
    return values;
}

bool Counts_As_File(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymLink() || (info.exists() && !info.isDir());
}

bool Written_After(const QString& a, const QString& b)
{
    const QFileInfo first(a), second(b);
    if (first.lastModified() != second.lastModified())
        return first.lastModified() > second.lastModified();
    return first.metadataChangeTime() > second.metadataChangeTime();
}

bool Set_Aside(const QString& path)
{
    const QString first = path + QStringLiteral(".rejected-")
                          + Settings_Now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = first;
    for (int n = 2; is_link_or_exists(aside); ++n)
        aside = first + QChar(u'-') + QString::number(n);
    // rename(2) itself: a link moves as the link, and nothing is copied when it is refused.
    return std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0;
}

bool Replace_File(const QString& target, const QByteArray& bytes, std::optional<QDateTime> modified)
{
    // Made anew with O_EXCL, so the new file is nobody's link.
    QTemporaryFile file(target + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return false;
    struct stat old{};
    const mode_t mode = ::lstat(QFile::encodeName(target).constData(), &old) == 0 && S_ISREG(old.st_mode)
                            ? (old.st_mode & 07777) : 0644;
    // A disk that fills up may take the bytes and fail only on their way out: flushed, synced and
    // measured before the rename, so a cut-short file never takes the place of a whole one.
    const bool written = file.write(bytes) == bytes.size() && file.flush() &&
                         ::fsync(file.handle()) == 0 && file.size() == bytes.size() &&
                         ::fchmod(file.handle(), mode) == 0 &&
                         (!modified || file.setFileTime(*modified, QFileDevice::FileModificationTime));
    if (!written)
        return false;
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}

QDateTime Settings_Now()
{
    return stamp_clock() ? stamp_clock()() : QDateTime::currentDateTime();
}

void Set_Settings_Clock(std::function<QDateTime()> now)
{
    stamp_clock() = std::move(now);
}
