#include "shell/settings_known.h"

#include "shell/settings_disk.h"
#include "shell/settings_format.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString Marker = QStringLiteral("Delvano.ini known");
constexpr int Table_Lines = 2 * High_Score_Places;

std::optional<Score_List> read_table(const QStringList& lines, qsizetype first)
{
    Score_List table;
    for (int entry = 0; entry < High_Score_Places; ++entry) {
        const auto score = Settings_Number(Settings_Item(lines[first + 2 * entry + 1]));
        if (!score)
            return std::nullopt;
        table.push_back({Settings_Item(lines[first + 2 * entry]).toStdString(), *score});
    }
    return table;
}

}  // namespace

QString Settings_Known_Path(const QString& settings_path)
{
    return settings_path + QStringLiteral(".known");
}

std::optional<Settings_Known> Read_Settings_Known(const QString& settings_path)
{
    const QString path = Settings_Known_Path(settings_path);
    // A plain file only, and small: nothing of that name is followed or waited on.
    const QFileInfo info(path);
    QFile file(path);
    if (info.isSymLink() || !info.isFile() || info.size() > Settings_Max_Bytes ||
        !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QStringList lines = Settings_Split_Lines(QString::fromUtf8(file.readAll()));
    const qsizetype records = (lines.size() - 1 - Table_Lines) / (1 + Table_Lines);
    if (lines.isEmpty() || Settings_Item(lines[0]) != Marker ||
        lines.size() != 1 + Table_Lines + records * (1 + Table_Lines))
        return std::nullopt;
    Settings_Known known;
    const auto written = read_table(lines, 1);
    if (!written)
        return std::nullopt;
    known.written = *written;
    for (qsizetype first = 1 + Table_Lines; first < lines.size(); first += 1 + Table_Lines) {
        const auto taken = read_table(lines, first + 1);
        if (!taken)
            return std::nullopt;
        known.taken[Settings_Item(lines[first])] = *taken;
    }
    return known;
}

bool Write_Settings_Known(const QString& settings_path, const Settings_Known& known)
{
    QStringList lines{Settings_Quoted(Marker)};
    Append_Settings_Table(lines, known.written);
    for (const auto& [other, table] : known.taken) {
        lines << Settings_Quoted(other);
        Append_Settings_Table(lines, table);
    }
    return Replace_File(Settings_Known_Path(settings_path), Settings_Bytes(lines));
}
