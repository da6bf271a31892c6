#include "shell/settings_file.h"

#include "shell/message_box.h"
#include "shell/settings_file_merge.h"
#include "shell/settings_format.h"
#include "state/module1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace {

std::function<QDateTime()>& stamp_clock()
{
    static std::function<QDateTime()> clock;
    return clock;
}

QDateTime current_time()
{
    return stamp_clock() ? stamp_clock()() : QDateTime::currentDateTime();
}

// A save takes a moment; a copy that holds the lock longer hangs, and one that left its lock
// behind is dead.
constexpr int Lock_Wait_Ms = 1000;
constexpr int Stale_Lock_Ms = 10000;

struct Settings_Values {
    std::array<int32_t, Wait_Slot_Count> waits{};
    High_Scores scores;
};

// The table as this run last read it from each file or wrote it there: what another copy
// changed in the file since is whatever differs from it.
std::map<QString, Score_List>& last_known()
{
    static std::map<QString, Score_List> tables;
    return tables;
}

High_Scores table_in_play()
{
    High_Scores table;
    std::copy_n(Score_Table.begin(), High_Score_Places, table.begin());
    return table;
}

void set_table_in_play(const High_Scores& table)
{
    std::copy(table.begin(), table.end(), Score_Table.begin());
}

// Reads everything after the header. The sound switch is handed out as soon as line 2 has been
// read, so that a file broken further down still keeps the player's switch.
bool parse_body(const QStringList& lines, bool& sound_switch, Settings_Values& values)
{
    if (lines.size() < 2)
        return false;
    sound_switch = Settings_Item(lines[1]) == QStringLiteral("1");
    if (lines.size() < Settings_Line_Count)
        return false;
    for (int slot = 0; slot < Wait_Slot_Count; ++slot) {
        const std::optional<int32_t> wait = Settings_Number(Settings_Item(lines[2 + slot]));
        if (!wait)
            return false;
        values.waits[slot] = *wait;
    }
    for (int entry = 0; entry < 3; ++entry) {
        values.scores[entry].Name = Settings_Item(lines[9 + 2 * entry]).toStdString();
        const std::optional<int32_t> score = Settings_Number(Settings_Item(lines[10 + 2 * entry]));
        if (!score)
            return false;
        values.scores[entry].Score = *score;
    }
    return true;
}

// Everything up to the values: the file can be read, is small, decodes, and carries the stamp
// of its own modification time.
bool read_checked_lines(const QString& path, QStringList& lines)
{
    // Only a plain file: opening a pipe or a device of that name could wait for ever.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (file.size() > Settings_Max_Bytes)
        return false;
    const QByteArray bytes = file.read(Settings_Max_Bytes + 1);
    if (bytes.size() > Settings_Max_Bytes)
        return false;
    const QDateTime modified = QFileInfo(path).lastModified();
    file.close();
    if (!modified.isValid())
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

// The values of a file the game would take at start; nothing for any other.
std::optional<Settings_Values> read_values(const QString& path, bool& sound_switch)
{
    QStringList lines;
    Settings_Values values;
    if (!read_checked_lines(path, lines) || !parse_body(lines, sound_switch, values))
        return std::nullopt;
    return values;
}

QByteArray compose(const QDateTime& stamp, bool sound_switch)
{
    QStringList lines;
    const auto quoted = [](const QString& text) { return QChar(u'"') + text + QChar(u'"'); };
    lines << quoted(Settings_Header(stamp));
    lines << quoted(sound_switch ? QStringLiteral("1") : QStringLiteral("0"));
    for (const int32_t wait : Wait_Value)
        lines << QString::number(wait);
    for (int entry = 0; entry < 3; ++entry) {
        lines << quoted(Settings_Storable_Name(QString::fromStdString(Score_Table[entry].Name)));
        lines << QString::number(Score_Table[entry].Score);
    }
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text.toUtf8();
}

// A folder that happens to carry the file's name is no settings file: a start without one.
// Anything else of that name is looked at, and refused as broken unless it is a plain file.
bool counts_as_file(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

// A rejected file goes aside under a name of its own, to be taken back by hand, before anything
// can be written in its place. A link goes as the link it is, so nothing is written through it.
void set_aside(const QString& path)
{
    const QString first = path + QStringLiteral(".rejected-")
                          + current_time().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = first;
    for (int n = 2; QFileInfo(aside).exists() || QFileInfo(aside).isSymLink(); ++n)
        aside = first + QChar(u'-') + QString::number(n);
    QFile::rename(path, aside);
}

// The table in the file now, for a save to take in. Only a file that passes the check at start
// counts; any other is set aside, as at start.
Score_List table_on_disk(const QString& path)
{
    if (!counts_as_file(path))
        return {};
    bool sound_switch = false;
    if (const auto values = read_values(path, sound_switch))
        return Score_List(values->scores.begin(), values->scores.end());
    set_aside(path);
    return {};
}

QString config_file()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return folder + QStringLiteral("/Delvano.ini");
}

void report_save_failure()
{
    Msg_Box(QStringLiteral("ディスクにアクセスできなかったため") + QChar(u'\r') +
                QStringLiteral("設定及びスコアデータを保存できませんでした。"),
            Msg_Buttons::Ok, Msg_Icon::Critical);
}

}  // namespace

void Set_Settings_Defaults()
{
    Wait_Value.fill(1);
    Wait_Value[Slot_Turn] = 3;
    for (Score_Entry& entry : Score_Table)
        entry = Score_Entry{};
}

Load_Result Settings_Load(const QString& path, bool& sound_switch)
{
    last_known()[path].clear();
    if (!counts_as_file(path)) {
        Set_Settings_Defaults();
        return Load_Result::Missing;
    }
    const std::optional<Settings_Values> values = read_values(path, sound_switch);
    if (!values) {
        // Aside and defaults first: a session that ends while the message is open saves them.
        set_aside(path);
        Set_Settings_Defaults();
        Msg_Box(QStringLiteral("設定ファイルが壊れているため") + QChar(u'\r') +
                    QStringLiteral("初期状態にクリアして起動します"),
                Msg_Buttons::Ok, Msg_Icon::Information);
        return Load_Result::Broken;
    }
    Wait_Value = values->waits;
    set_table_in_play(values->scores);
    last_known()[path].assign(values->scores.begin(), values->scores.end());
    return Load_Result::Loaded;
}

bool Settings_Save(const QString& path, bool sound_switch)
{
    const QDateTime now = current_time();
    // The stamp names a minute; the file's time is set to that same minute afterwards, so a save
    // that runs over the turn of a minute still matches its own stamp.
    const QDateTime minute = now.addMSecs(-(now.time().second() * 1000 + now.time().msec()));

    QDir().mkpath(QFileInfo(path).absolutePath());
    // Another copy of the game may save the same file: under the lock, each save takes in what
    // the others wrote since this one last read or wrote it. A lock held past the wait belongs
    // to a copy that hangs; the save goes on without it, still replacing the file in one step.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(Stale_Lock_Ms);
    lock.tryLock(Lock_Wait_Ms);
    const Score_List on_disk = table_on_disk(path);
    const High_Scores merged = Merge_Saved_Scores(on_disk, last_known()[path], table_in_play());
    set_table_in_play(merged);
    last_known()[path] = on_disk;
    const QByteArray bytes = compose(minute, sound_switch);

    QSaveFile file(path);
    // commit() alone does not notice a write the disk cut short (it renamed a 16-byte file into
    // place when the disk filled), so the flush and the size are checked before it.
    const bool written_out = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                             file.flush() && file.size() == bytes.size();
    if (!written_out || !file.commit()) {
        file.cancelWriting();
        // No other copy waits on the player's OK.
        lock.unlock();
        report_save_failure();
        return false;
    }
    QFile written(path);
    if (written.open(QIODevice::ReadWrite))
        written.setFileTime(minute, QFileDevice::FileModificationTime);
    last_known()[path].assign(merged.begin(), merged.end());
    return true;
}

QString Settings_Path(const QString& app_dir)
{
    // A real file is the only honest probe: the permission bits say yes to root on a read-only
    // mount. The save also refuses a file it may not write, though it would replace it whole.
    QTemporaryFile probe(app_dir + QStringLiteral("Delvano_probe_XXXXXX"));
    const QFileInfo beside_game(app_dir + QStringLiteral("Delvano.ini"));
    const bool file_writable = beside_game.isFile() && beside_game.isWritable();
    if (probe.open() && (!beside_game.exists() || file_writable))
        return beside_game.filePath();
    return config_file();
}

Load_Result Settings_Load_Start(const QString& path, const QString& app_dir, bool& sound_switch)
{
    const QString beside_game = app_dir + QStringLiteral("Delvano.ini");
    const QString other = path == beside_game ? config_file() : beside_game;
    if (!counts_as_file(other))
        return Settings_Load(path, sound_switch);
    if (!counts_as_file(path))
        return Settings_Load(other, sound_switch);
    const bool path_newer = QFileInfo(path).lastModified() >= QFileInfo(other).lastModified();
    const QString& older = path_newer ? other : path;
    const Load_Result loaded = Settings_Load(path_newer ? path : other, sound_switch);
    bool older_switch = false;
    if (const auto values = read_values(older, older_switch)) {
        last_known()[older].assign(values->scores.begin(), values->scores.end());
        set_table_in_play(Join_Scores(table_in_play(), last_known()[older]));
    }
    return loaded;
}

void Set_Settings_Clock(std::function<QDateTime()> now)
{
    stamp_clock() = std::move(now);
}
