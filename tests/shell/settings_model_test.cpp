// Three copies of the game against one folder, driven by a seeded random source through thousands
// of steps: entering, naming and clearing scores, saving, being killed, starting again, stopping in
// the middle of a save, and the file's time moved under them. No step may bring a cleared score
// back to the file, nor drop one that was neither cleared nor pushed out by three better ones; once
// every living copy has saved, the file holds every score whose save was asked for and kept.
#include "rules/high_score_table.h"
#include "shell/message_box.h"
#include "shell/settings_file.h"
#include "state/module1.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

namespace {
struct Copy {
    bool alive = false;
    std::array<Score_Entry, 4> table{};
    std::vector<Score_Change> changes;
    Settings_Memory memory;
    Settings_Save_Under_Way stopped;  // in the middle of its save, holding the lock
    std::set<int> unsaved_entries, unsaved_clears;  // scores; every score is entered once
    std::optional<Score_Entry> naming;              // the entry whose name dialog is open
};

class Model {
public:
    explicit Model(unsigned seed) : random_(seed) {}
    QTemporaryDir dir;
    QString path = dir.filePath("Delvano.ini");
    std::array<Copy, 3> copies;
    std::set<int> saved, cleared, pushed;  // scores
    std::mt19937 random_;
    int next_score = 1;
    std::string did;  // the steps so far, for a failure to tell

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    // The copy's state in the game's own variables while it acts.
    template <class Act> auto as(Copy& copy, Act act)
    {
        Score_Table = copy.table, Unsaved_Score_Changes = copy.changes;
        Settings_Memory_Now() = copy.memory;
        auto result = act();
        copy.table = Score_Table, copy.changes = Unsaved_Score_Changes, copy.memory = Settings_Memory_Now();
        return result;
    }
    void finished(Copy& copy, Save_Result result)
    {
        ASSERT_NE(result, Save_Result::Failed);
        if (result != Save_Result::Saved)
            return;
        saved.insert(copy.unsaved_entries.begin(), copy.unsaved_entries.end());
        cleared.insert(copy.unsaved_clears.begin(), copy.unsaved_clears.end());
        copy.unsaved_entries.clear(), copy.unsaved_clears.clear();
    }
    void save(Copy& copy) { finished(copy, as(copy, [&] { return Settings_Save(path, false); })); }

    void step(Copy& copy)
    {
        did += " " + std::to_string(&copy - copies.data());
        if (copy.stopped) {  // it can only go on, or die
            if (pick(2))
                finished(copy, as(copy, [&] { return Finish_Settings_Save(std::move(copy.stopped)); }));
            else
                copy = Copy{};
            return;
        }
        if (!copy.alive) {
            copy.alive = true;
            bool sound = false;
            as(copy, [&] { return Settings_Load(path, sound); });
            return;
        }
        const int kind = pick(8);
        did += "enter name clear stop move kill save save"[0] ? std::string(":") + "EENCSMKV"[kind] : "";
        switch (kind) {
        case 0: case 1:  // a game ends with a score: saved as it enters, under the last name
            copy.table[Playing_Entry] = {"P", next_score++ * 7 % 1000 + 1};
            if (as(copy, [] { return Enter_High_Score(); }) < High_Score_Places)
                copy.unsaved_entries.insert(copy.table[Playing_Entry].Score), copy.naming = copy.table[Playing_Entry];
            return save(copy);
        case 2:  // the name dialog closes
            if (copy.naming)
                as(copy, [&] { Name_High_Score(*copy.naming, "N" + std::to_string(pick(9))); return 0; });
            copy.naming.reset();
            return save(copy);
        case 3:
            for (int place = 0; place < High_Score_Places; ++place)
                if (copy.table[place].Score)
                    copy.unsaved_clears.insert(copy.table[place].Score);
            as(copy, [] { Clear_High_Scores(); return 0; });
            return save(copy);
        case 4:  // stopped just before it writes
            if (Settings_Save_Begun begun = as(copy, [&] { return Begin_Settings_Save(path, false, 0); }); begun.step)
                copy.stopped = std::move(begun.step);
            return;
        case 5:
            if (QFile file(path); file.exists() && file.open(QIODevice::ReadWrite))
                file.setFileTime(QDateTime::currentDateTime().addSecs(3600 * (1 + pick(9))), QFileDevice::FileModificationTime);
            return;
        case 6:
            if (!pick(3))
                copy = Copy{};  // killed: what it had not saved is gone with it
            return;
        default:
            return save(copy);
        }
    }

    std::set<int> in(const std::array<Score_Entry, 4>& table) const
    {
        std::set<int> scores;
        for (int place = 0; place < High_Score_Places; ++place)
            if (table[place].Score)
                scores.insert(table[place].Score);
        return scores;
    }
    // What the file holds, read as it is, whatever its time: reading must change nothing.
    std::array<Score_Entry, 4> on_disk()
    {
        std::array<Score_Entry, 4> table{};
        QFile file(path);
        const QStringList lines = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split("\r\n") : QStringList();
        for (int place = 0; place < High_Score_Places && lines.size() > 15; ++place)
            table[place] = {QString(lines[9 + 2 * place]).remove(QChar(34)).toStdString(), lines[10 + 2 * place].toInt()};
        return table;
    }
    // Every score that left a table: cleared, or three better ones there once it had left.
    void left(const std::array<Score_Entry, 4>& before, const std::array<Score_Entry, 4>& after, int at,
              const std::set<int>& cleared_here = {}, const char* where = "file")
    {
        for (int score : in(before)) {
            if (in(after).count(score) || cleared.count(score) || cleared_here.count(score) || pushed.count(score))
                continue;
            int better = 0;
            for (int other : in(after))
                better += other > score;
            EXPECT_GE(better, 3) << "score " << score << " dropped from the " << where << " at step " << at << ", last steps" << did.substr(did.size() > 40 ? did.size() - 40 : 0);
            pushed.insert(score);
        }
    }
};

class Settings_Model : public testing::TestWithParam<unsigned> {};
TEST_P(Settings_Model, NoScoreLostNorBroughtBack)
{
    Set_Msg_Box_Handler([](const QString&, Msg_Buttons, Msg_Icon) { return Msg_Answer::Ok; });
    Model model(GetParam());
    std::array<Score_Entry, 4> file_before{};
    for (int at = 0; at < 1500 && !testing::Test::HasFailure(); ++at) {
        Copy& copy = model.copies[model.pick(3)];
        // A file set aside is gone until the next save writes its table again.
        if (QFile::exists(model.path))
            file_before = model.on_disk();
        const auto table_before = copy.table;
        const bool was_alive = copy.alive && !copy.stopped;
        model.step(copy);
        const auto file_after = model.on_disk();
        if (QFile::exists(model.path))
            model.left(file_before, file_after, at);
        if (was_alive && copy.alive)
            model.left(table_before, copy.table, at, copy.unsaved_clears, "copy");
        for (int score : model.in(file_after))
            ASSERT_FALSE(model.cleared.count(score)) << "cleared score " << score << " back at step " << at << ", last steps" << model.did.substr(model.did.size() > 40 ? model.did.size() - 40 : 0);
        if (at % 100 != 99)
            continue;
        // Every living copy goes on and saves: the file holds all that was saved and kept.
        for (Copy& each : model.copies) {
            const auto before = model.on_disk();
            if (each.stopped)
                model.finished(each, model.as(each, [&] { return Finish_Settings_Save(std::move(each.stopped)); }));
            if (each.alive)
                model.save(each);
            model.left(before, model.on_disk(), at);
        }
        file_before = model.on_disk();
        // The best three of them: a saved score may be missing only below three better ones.
        const std::set<int> now = model.in(model.on_disk());
        for (int score : model.saved) {
            if (now.count(score) || model.cleared.count(score) || model.pushed.count(score))
                continue;
            EXPECT_GE(std::count_if(now.begin(), now.end(), [&](int other) { return other > score; }), 3)
                << "saved score " << score << " missing at step " << at;
            model.pushed.insert(score);
        }
    }
    Set_Msg_Box_Handler({});
}
INSTANTIATE_TEST_SUITE_P(Seeds, Settings_Model, testing::Values(1u, 2u, 3u));
}  // namespace
