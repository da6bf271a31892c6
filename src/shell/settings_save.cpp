// The save: under the lock, the table on disk with this run's changes replayed on it.
#include "shell/message_box.h"
#include "shell/settings_disk.h"
#include "shell/settings_file.h"
#include "shell/settings_format.h"
#include "shell/settings_known.h"
#include "state/module1.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>

namespace {

// A lock left by a copy that died is taken over at once, whatever its age; a live copy's is
// never taken, however long it holds it (one stopped in the middle of its save would otherwise
// replace the file with its old table when it goes on). Only a lock file too young to have
// been written out yet, and empty, is left that way by a copy that died at that moment.
constexpr int Empty_Lock_Stale_Ms = 10000;

// Waiting while another copy holds the lock; Failed when no lock can be made at all (a full
// disk, a folder nobody may write), which no waiting mends.
Save_Result take_lock(QLockFile& lock, int wait_ms)
{
    lock.setStaleLockTime(0);
    if (lock.tryLock(wait_ms))
        return Save_Result::Saved;
    if (lock.error() != QLockFile::LockFailedError)
        return Save_Result::Failed;
    const QFileInfo file(lock.fileName());
    qint64 pid = 0;
    QString host, app;
    if (!lock.getLockInfo(&pid, &host, &app) && file.size() == 0 &&
        file.lastModified().msecsTo(QDateTime::currentDateTime()) > Empty_Lock_Stale_Ms &&
        lock.removeStaleLockFile() && lock.tryLock(0))
        return Save_Result::Saved;
    return Save_Result::Waiting;
}

}  // namespace

void Report_Settings_Save_Failure()
{
    Msg_Box(QStringLiteral("ディスクにアクセスできなかったため") + QChar(u'\r') +
                QStringLiteral("設定及びスコアデータを保存できませんでした。"),
            Msg_Buttons::Ok, Msg_Icon::Critical);
}

namespace {

QByteArray compose(const QDateTime& stamp, bool sound_switch, const High_Scores& table)
{
    QStringList lines;
    lines << Settings_Quoted(Settings_Header(stamp));
    lines << Settings_Quoted(sound_switch ? QStringLiteral("1") : QStringLiteral("0"));
    for (const int32_t wait : Wait_Value)
        lines << QString::number(wait);
    Append_Settings_Table(lines, table);
    return Settings_Bytes(lines);
}

}  // namespace

class Settings_Save_Step {
public:
    QString path;
    QString target;  // path, or the file a link there leads to
    std::unique_ptr<QLockFile> lock;
    Settings_Known known;
    size_t changes = 0;  // how many of the unsaved changes the table written holds
    QByteArray bytes;
    QDateTime minute;
};

namespace {

enum class On_Disk { Taken, Missing, Rejected, Refused };

// What the save replaces, looked at under the lock. A link leads on only to a file the game
// takes; any other file of that name, a dangling link included, is set aside first (Refused
// when that was refused: then nothing may take its place).
On_Disk look_at_disk(Settings_Save_Step& step, Score_List& on_disk)
{
    const QFileInfo info(step.path);
    if (!Counts_As_File(step.path))
        return On_Disk::Missing;
    if (const auto values = Read_Settings_Values(step.path)) {
        on_disk.assign(values->scores.begin(), values->scores.end());
        if (info.isSymLink())
            step.target = info.canonicalFilePath();
        return On_Disk::Taken;
    }
    return Set_Aside(step.path) ? On_Disk::Rejected : On_Disk::Refused;
}

Save_Result fail(Settings_Save_Step& step)
{
    // No other copy waits on the player's OK.
    step.lock->unlock();
    Report_Settings_Save_Failure();
    return Save_Result::Failed;
}

}  // namespace

void Settings_Save_Step_Deleter::operator()(Settings_Save_Step* step) const
{
    delete step;
}

Settings_Save_Begun Begin_Settings_Save(const QString& path, bool sound_switch, int lock_wait_ms)
{
    Settings_Save_Under_Way step(new Settings_Save_Step);
    step->path = step->target = path;
    const QDateTime now = Settings_Now();
    // The stamp names a minute and the file's time is set to that same minute, so a save that
    // runs over the turn of a minute still matches its own stamp.
    step->minute = now.addMSecs(-(now.time().second() * 1000 + now.time().msec()));
    QDir().mkpath(QFileInfo(path).absolutePath());
    step->lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    if (const Save_Result locked = take_lock(*step->lock, lock_wait_ms); locked != Save_Result::Saved) {
        if (locked == Save_Result::Failed)
            Report_Settings_Save_Failure();
        return {locked, nullptr};
    }
    Score_List base;
    const On_Disk disk = look_at_disk(*step, base);
    if (disk == On_Disk::Refused)
        return {fail(*step), nullptr};
    const std::optional<Settings_Known> kept = Read_Settings_Known(path);
    // A file whose time moved is no news, and neither is a missing one: the table goes on from
    // what the game itself wrote there last, which is what every copy saved, or else it is this
    // run's own.
    High_Scores table;
    if (disk == On_Disk::Taken || kept)
        table = Merge_Scores(disk == On_Disk::Taken ? base : kept->written, Unsaved_Score_Changes);
    else
        std::copy_n(Score_Table.begin(), High_Score_Places, table.begin());
    step->changes = Unsaved_Score_Changes.size();
    step->known.written.assign(table.begin(), table.end());
    step->known.taken = Settings_Memory_Now().taken;
    step->bytes = compose(step->minute, sound_switch, table);
    return {Save_Result::Saved, std::move(step)};
}

Save_Result Finish_Settings_Save(Settings_Save_Under_Way step)
{
    // The companion first: a save cut short between the two leaves it ahead of the file, never
    // behind, and the file it describes is still whole.
    Write_Settings_Known(step->path, step->known);
    if (!Replace_File(step->target, step->bytes, step->minute))
        return fail(*step);
    // What was written is the table in play, with whatever changed since it was read.
    const std::vector<Score_Change> later(Unsaved_Score_Changes.begin() + step->changes,
                                          Unsaved_Score_Changes.end());
    Unsaved_Score_Changes = later;
    const High_Scores in_play = Merge_Scores(step->known.written, later);
    std::copy(in_play.begin(), in_play.end(), Score_Table.begin());
    Settings_Memory_Now().known[step->path] = step->known.written;
    return Save_Result::Saved;
}

Save_Result Settings_Save(const QString& path, bool sound_switch, int lock_wait_ms)
{
    Settings_Save_Begun begun = Begin_Settings_Save(path, sound_switch, lock_wait_ms);
    return begun.step ? Finish_Settings_Save(std::move(begun.step)) : begun.result;
}
