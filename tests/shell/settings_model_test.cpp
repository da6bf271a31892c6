// Three copies of the game against one folder, driven by a seeded random source through thousands of
// steps: scores entered, named and cleared, saves, kills, restarts, a copy stopped in the middle of
// its save, the file's time moved under them. No step brings a cleared score back to the file, and
// none drops a score from the file or a copy's table unless it was cleared or three better ones are
// there; once every living copy has saved, each score saved and kept is in the file or below three.
#include "rules/high_score_table.h"
#include "shell/message_box.h"
#include "shell/settings_file.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {
using Scores = std::set<int>;  // every score is entered once, so it names its entry

struct Copy {
    bool alive = false;
    std::array<Score_Entry, 4> table{};
    std::vector<Score_Change> changes;
    Settings_Memory memory;
    Settings_Save_Under_Way stopped;    // in the middle of its save, holding the lock
    Scores entered, cleared;            // since its last finished save
    std::optional<Score_Entry> naming;  // its name dialog is open
    Scores places() const { Scores s; for (int p = 0; p < 3; ++p) if (table[p].Score) s.insert(table[p].Score); return s; }
};

struct Model {
    // In memory where there is such a folder: thousands of saves, each synced to the disk.
    QTemporaryDir dir{QFile::exists("/dev/shm") ? "/dev/shm/delvano-model-XXXXXX" : QDir::tempPath() + "/delvano-model-XXXXXX"};
    QString path = dir.filePath("Delvano.ini");
    std::array<Copy, 3> copies;
    Scores saved, cleared, pushed, file;
    std::mt19937 random;
    int next_score = 1;
    std::string did;  // the steps, for a failure to tell

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    // The copy's state in the game's own variables while it acts.
    template <class Act> auto as(Copy& copy, Act act)
    {
        Score_Table = copy.table, Unsaved_Score_Changes = copy.changes, Settings_Memory_Now() = copy.memory;
        auto result = act();
        copy.table = Score_Table, copy.changes = Unsaved_Score_Changes, copy.memory = Settings_Memory_Now();
        return result;
    }
    // What a save took out of the copy's table must be cleared, or below three better ones.
    template <class Save> void merge(Copy& copy, Save save)
    {
        const Scores before = copy.places(), cleared_here = copy.cleared;
        const Save_Result result = as(copy, save);
        ASSERT_NE(result, Save_Result::Failed);
        if (result == Save_Result::Saved) {
            saved.merge(copy.entered), cleared.merge(copy.cleared);
            copy.entered.clear(), copy.cleared.clear();
        }
        left(before, copy.places(), cleared_here, "copy");
    }
    void save(Copy& copy) { merge(copy, [&] { return Settings_Save(path, false); }); }
    // The file read as it is, whatever its time; one set aside is gone only until the next save.
    void look_at_file()
    {
        QFile disk(path);
        if (!disk.open(QIODevice::ReadOnly))
            return;
        const QStringList lines = QString(disk.readAll()).split("\r\n");
        Scores now;
        for (int line = 10; line < 15 && lines.size() > 15; line += 2)
            if (lines[line].toInt())
                now.insert(lines[line].toInt());
        left(file, now, {}, "file");
        file = now;
        for (int score : file)
            EXPECT_FALSE(cleared.count(score)) << score << " back; steps" << did.substr(did.size() - 40);
    }
    void left(const Scores& before, const Scores& after, const Scores& cleared_here, const char* where)
    {
        for (int score : before) {
            if (after.count(score) || cleared.count(score) || cleared_here.count(score) || pushed.count(score))
                continue;
            EXPECT_GE(std::count_if(after.begin(), after.end(), [&](int s) { return s > score; }), 3)
                << score << " dropped from the " << where << "; steps" << did.substr(did.size() - 40);
            pushed.insert(score);
        }
    }
    void step(Copy& copy)
    {
        const int kind = copy.stopped ? 8 + pick(2) : copy.alive ? pick(8) : 10;
        did += " " + std::to_string(&copy - copies.data()) + "EENCSMKVGDR"[kind];
        const Scores before = copy.places();
        switch (kind) {
        case 0: case 1:  // a game ends with a score: saved as it enters, under the last name
            copy.table[Playing_Entry] = {"P", next_score++ * 7 % 1000 + 1};
            if (as(copy, [] { return Enter_High_Score(); }) < High_Score_Places)
                copy.entered.insert(copy.table[Playing_Entry].Score), copy.naming = copy.table[Playing_Entry];
            left(before, copy.places(), copy.cleared, "copy");
            return save(copy);
        case 2:  // its name dialog closes
            if (copy.naming)
                as(copy, [&] { return Name_High_Score(*copy.naming, "N" + std::to_string(pick(9))), 0; });
            return copy.naming.reset(), save(copy);
        case 3:
            copy.cleared.merge(copy.places());
            as(copy, [] { return Clear_High_Scores(), 0; });
            return save(copy);
        case 4:  // stops after taking the lock, just before it writes
            copy.stopped = as(copy, [&] { return Begin_Settings_Save(path, false, 0); }).step;
            return;
        case 5:
            if (QFile disk(path); disk.exists() && disk.open(QIODevice::ReadWrite))
                disk.setFileTime(QDateTime::currentDateTime().addSecs(3600 * (1 + pick(9))), QFileDevice::FileModificationTime);
            return;
        case 6: case 9:  // killed: what it had not saved goes with it, its lock is taken over
            copy = Copy{};
            return;
        case 7:
            return save(copy);
        case 8:
            return merge(copy, [&] { return Finish_Settings_Save(std::move(copy.stopped)); });
        default:
            copy.alive = true;
            as(copy, [&] { bool sound; return Settings_Load(path, sound); });
        }
    }
};

class Settings_Model : public testing::TestWithParam<unsigned> {};
TEST_P(Settings_Model, NoScoreLostNorBroughtBack)
{
    Set_Msg_Box_Handler([](const QString&, Msg_Buttons, Msg_Icon) { return Msg_Answer::Ok; });
    Model model{.random = std::mt19937(GetParam())};
    for (int at = 0; at < 3000 && !HasFailure(); ++at) {
        model.step(model.copies[model.pick(3)]);
        model.look_at_file();
        if (at % 100 != 99)
            continue;
        for (Copy& each : model.copies) {  // every living copy goes on and saves
            if (each.stopped)
                model.step(each);  // goes on, or dies
            if (each.alive)
                model.save(each), model.look_at_file();
        }
        model.left(model.saved, model.file, {}, "saved scores");
    }
    Set_Msg_Box_Handler({});
}
INSTANTIATE_TEST_SUITE_P(Seeds, Settings_Model, testing::Range(1u, 4u));
}  // namespace
