// Shared by the fuzz test and the long-running fuzz driver: saves a random valid file, damages
// it, loads it and checks that the load either takes the file or falls back to the defaults with
// exactly one message.
#pragma once

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QStringList>
#include <random>
#include <string>
#include <vector>

#include "core/module1.h"
#include "shell/message_box.h"
#include "shell/settings_file.h"

struct Settings_Fuzz_Outcome {
    long loaded = 0;
    long broken = 0;
    std::vector<std::string> faults;
};

namespace settings_fuzz {

inline std::string Random_Name(std::mt19937_64& rng)
{
    static const QStringList pieces = {"A", "z", " ", ",", "\"", "ほり", "太", "０", "é", "😀", "-", "1"};
    QString name;
    const int length = static_cast<int>(rng() % 9);
    for (int i = 0; i < length; ++i)
        name += pieces[static_cast<int>(rng() % pieces.size())];
    return name.toStdString();
}

inline QByteArray Huge_Number(std::mt19937_64& rng)
{
    QByteArray digits;
    if (rng() % 2)
        digits += '-';
    const int length = 1 + static_cast<int>(rng() % 40);
    for (int i = 0; i < length; ++i)
        digits += static_cast<char>('0' + rng() % 10);
    return digits;
}

inline void Mutate(QByteArray& bytes, std::mt19937_64& rng)
{
    static const QByteArray bad_utf8[] = {"\xFF", "\xC0\x80", "\xE3\x81", "\xED\xA0\x80", "\x82", "\xF8\x88\x80\x80\x80"};
    auto pos = [&](qsizetype extra) {
        return static_cast<qsizetype>(rng() % static_cast<uint64_t>(bytes.size() + extra));
    };
    switch (rng() % 11) {
    case 0:
        if (!bytes.isEmpty())
            bytes[pos(0)] = static_cast<char>(rng() % 256);
        break;
    case 1: {
        QByteArray noise;
        const int length = 1 + static_cast<int>(rng() % 8);
        for (int i = 0; i < length; ++i)
            noise += static_cast<char>(rng() % 256);
        bytes.insert(pos(1), noise);
        break;
    }
    case 2:
        if (!bytes.isEmpty())
            bytes.remove(pos(0), 1 + static_cast<qsizetype>(rng() % 12));
        break;
    case 3:
        bytes.truncate(pos(1));
        break;
    case 4: {
        QList<QByteArray> lines = bytes.split('\n');
        if (!lines.isEmpty())
            lines.removeAt(static_cast<qsizetype>(rng() % lines.size()));
        bytes = lines.join('\n');
        break;
    }
    case 5: {
        QList<QByteArray> lines = bytes.split('\n');
        if (lines.size() > 2) {
            const qsizetype at = 2 + static_cast<qsizetype>(rng() % (lines.size() - 2));
            lines[at] = Huge_Number(rng) + "\r";
        }
        bytes = lines.join('\n');
        break;
    }
    case 6:
        bytes.insert(pos(1), bad_utf8[rng() % std::size(bad_utf8)]);
        break;
    case 7: {
        QList<QByteArray> lines = bytes.split('\n');
        if (!lines.isEmpty()) {
            const qsizetype at = static_cast<qsizetype>(rng() % lines.size());
            lines.insert(at, lines[at]);
        }
        bytes = lines.join('\n');
        break;
    }
    case 8:
        bytes.replace("\r\n", rng() % 2 ? "\n" : "\r");
        break;
    case 9:
        if (rng() % 4 == 0) {
            bytes.resize(static_cast<qsizetype>(rng() % 300));
            for (char& c : bytes)
                c = static_cast<char>(rng() % 256);
        } else {
            bytes.prepend("\xEF\xBB\xBF");
        }
        break;
    default:
        if (rng() % 8 == 0)
            bytes.append(QByteArray(70 * 1024, 'x'));
        else
            bytes.replace('"', rng() % 2 ? "" : "\"\"");
        break;
    }
}

inline bool Values_Are_Defaults()
{
    const std::array<int32_t, 7> defaults{1, 3, 1, 1, 1, 1, 1};
    if (Wait_Value != defaults)
        return false;
    for (const Score_Entry& entry : Score_Table)
        if (!entry.Name.empty() || entry.Score != 0)
            return false;
    return true;
}

}  // namespace settings_fuzz

// Runs the given number of damaged loads in dir (which must exist and be writable).
inline Settings_Fuzz_Outcome Run_Settings_Fuzz(const QString& dir, long iterations, uint64_t seed)
{
    using namespace settings_fuzz;
    Settings_Fuzz_Outcome outcome;
    std::mt19937_64 rng(seed);
    const QString path = QDir(dir).filePath(QStringLiteral("Delvano.ini"));
    int messages = 0;
    Set_Msg_Box_Handler([&](const QString&, Msg_Buttons, Msg_Icon) {
        ++messages;
        return Msg_Answer::Ok;
    });
    // A pool of real saves; writing a fresh one for every case would spend the run in fsync.
    struct Base {
        QDateTime stamp;
        QByteArray bytes;
        std::array<int32_t, 7> waits;
        std::array<Score_Entry, 4> scores;
        bool sound;
    };
    std::vector<Base> pool;
    for (int b = 0; b < 64 && outcome.faults.empty(); ++b) {
        const QDateTime stamp(QDate(2001 + static_cast<int>(rng() % 36), 1 + static_cast<int>(rng() % 12),
                                    1 + static_cast<int>(rng() % 28)),
                              QTime(static_cast<int>(rng() % 24), static_cast<int>(rng() % 60),
                                    static_cast<int>(rng() % 60)));
        Set_Settings_Clock([stamp] { return stamp; });
        for (int32_t& wait : Wait_Value)
            wait = static_cast<int32_t>(rng());
        for (int entry = 0; entry < 3; ++entry)
            Score_Table[entry] = {Random_Name(rng), static_cast<int32_t>(rng())};
        const bool sound = rng() % 2;
        messages = 0;
        if (!Settings_Save(path, sound) || messages != 0) {
            outcome.faults.push_back("save " + std::to_string(b) + " failed");
            break;
        }
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        pool.push_back({stamp, file.readAll(), Wait_Value, Score_Table, sound});
    }
    for (long n = 0; n < iterations && !pool.empty(); ++n) {
        const Base& base = pool[rng() % pool.size()];
        const QDateTime& stamp = base.stamp;
        const QByteArray& original = base.bytes;
        const auto& saved_waits = base.waits;
        const auto& saved_scores = base.scores;
        const bool saved_switch = base.sound;
        QFile file(path);
        QByteArray bytes = original;
        const int mutations = static_cast<int>(rng() % 5);
        for (int m = 0; m < mutations; ++m)
            Mutate(bytes, rng);
        // A fresh file rather than a truncated one: ext4 flushes a truncated file on close.
        QFile::remove(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.flush();
        // Mostly keep the stamp's minute so the damage reaches past the header check.
        const bool stamp_kept = rng() % 10 != 0;
        if (stamp_kept)
            file.setFileTime(stamp.addSecs(-stamp.time().second()), QFileDevice::FileModificationTime);
        file.close();

        for (int32_t& wait : Wait_Value)
            wait = 777;
        for (Score_Entry& entry : Score_Table)
            entry = {"sentinel", 777};
        bool sound = rng() % 2;
        messages = 0;
        QElapsedTimer clock;
        clock.start();
        const Load_Result result = Settings_Load(path, sound);
        const qint64 took = clock.elapsed();
        const std::string where = "iteration " + std::to_string(n) + " seed " + std::to_string(seed);
        if (took > 2000)
            outcome.faults.push_back(where + ": load took " + std::to_string(took) + " ms");
        if (result == Load_Result::Loaded) {
            ++outcome.loaded;
            if (messages != 0)
                outcome.faults.push_back(where + ": loaded with a message");
            if (Score_Table[3].Name != "sentinel")
                outcome.faults.push_back(where + ": the current game's entry was touched");
        } else if (result == Load_Result::Broken) {
            ++outcome.broken;
            if (messages != 1)
                outcome.faults.push_back(where + ": " + std::to_string(messages) + " messages");
            if (!Values_Are_Defaults())
                outcome.faults.push_back(where + ": broken file left non-default values");
        } else {
            outcome.faults.push_back(where + ": an existing file was reported missing");
        }
        if (bytes == original && stamp_kept) {
            if (result != Load_Result::Loaded || Wait_Value != saved_waits || sound != saved_switch)
                outcome.faults.push_back(where + ": an undamaged file did not load back");
            for (int entry = 0; entry < 3; ++entry)
                if (Score_Table[entry].Score != saved_scores[entry].Score ||
                    QString::fromStdString(Score_Table[entry].Name) !=
                        QString::fromStdString(saved_scores[entry].Name).replace(u'"', u'＂'))
                    outcome.faults.push_back(where + ": an undamaged file lost entry " + std::to_string(entry));
        }
        if (outcome.faults.size() > 20)
            break;
    }
    Set_Settings_Clock({});
    Set_Msg_Box_Handler({});
    return outcome;
}
