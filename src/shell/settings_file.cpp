#include "shell/settings_file.h"

#include "rules/high_score_table.h"
#include "shell/message_box.h"
#include "shell/settings_disk.h"
#include "shell/settings_known.h"
#include "state/module1.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>

namespace {

QString config_file()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return folder + QStringLiteral("/Delvano.ini");
}

void set_table_in_play(const Score_List& table)
{
    std::fill_n(Score_Table.begin(), High_Score_Places, Score_Entry{});
    std::copy_n(table.begin(), std::min<size_t>(table.size(), High_Score_Places), Score_Table.begin());
}

Score_List table_in_play()
{
    return Score_List(Score_Table.begin(), Score_Table.begin() + High_Score_Places);
}

// The other file's scores that this one has not taken in yet enter the table as new ones would,
// and reach this file with its next save.
void join_other(const QString& other, const Settings_Values& values)
{
    Settings_Memory& memory = Settings_Memory_Now();
    const Score_List theirs(values.scores.begin(), values.scores.end());
    const Score_Entry playing = Score_Table[Playing_Entry];
    for (const Score_Entry& entry : Score_News(theirs, memory.taken[other], table_in_play())) {
        Score_Table[Playing_Entry] = entry;
        Enter_High_Score();
    }
    Score_Table[Playing_Entry] = playing;
    memory.taken[other] = theirs;
}

}  // namespace

Settings_Memory& Settings_Memory_Now()
{
    static Settings_Memory memory;
    return memory;
}

void Set_Settings_Defaults()
{
    Wait_Value.fill(1);
    Wait_Value[Slot_Turn] = 3;
    for (Score_Entry& entry : Score_Table)
        entry = Score_Entry{};
}

Load_Result Settings_Load(const QString& path, bool& sound_switch)
{
    Score_List& known = Settings_Memory_Now().known[path];
    known.clear();
    Unsaved_Score_Changes.clear();
    const std::optional<Settings_Known> kept = Read_Settings_Known(path);
    Settings_Memory_Now().taken = kept ? kept->taken : decltype(Settings_Known::taken){};
    // A file that is gone, or set aside by a copy that died before it wrote the next, takes with
    // it only what the game never wrote: the scores it last wrote there stay.
    const auto keep_written_scores = [&] {
        if (kept) {
            set_table_in_play(kept->written);
            known = kept->written;
        }
    };
    if (!Counts_As_File(path)) {
        Set_Settings_Defaults();
        keep_written_scores();
        return Load_Result::Missing;
    }
    const std::optional<Settings_Values> values = Read_Settings_Values(path, &sound_switch);
    if (!values) {
        // Aside and defaults first: a session that ends while the message is open saves them.
        Set_Aside(path);
        Set_Settings_Defaults();
        keep_written_scores();
        Msg_Box(QStringLiteral("設定ファイルが壊れているため") + QChar(u'\r') +
                    QStringLiteral("初期状態にクリアして起動します"),
                Msg_Buttons::Ok, Msg_Icon::Information);
        return Load_Result::Broken;
    }
    Wait_Value = values->waits;
    known.assign(values->scores.begin(), values->scores.end());
    set_table_in_play(known);
    return Load_Result::Loaded;
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
    const Load_Result loaded = Settings_Load(path, sound_switch);
    if (!Counts_As_File(other))
        return loaded;
    const std::optional<Settings_Values> values = Read_Settings_Values(other);
    if (!values)
        return loaded;
    if (loaded != Load_Result::Loaded || Written_After(other, path)) {
        Wait_Value = values->waits;
        sound_switch = values->sound_switch;
    }
    join_other(other, *values);
    return loaded == Load_Result::Broken ? loaded : Load_Result::Loaded;
}
