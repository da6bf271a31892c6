// The menu commands of the game window: clearing the scores, the exit, the readme and the two
// dialogs they open over the game window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QPointer>
#include <QTemporaryDir>

#include "core/module1.h"
#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "display/form1.h"
#include "shell/message_box.h"
#include "shell/readme_viewer.h"

namespace {

struct Shown_Message {
    QString text;
    Msg_Buttons buttons;
    Msg_Icon icon;
};

class MenuCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        Set_Msg_Box_Handler([this](const QString& text, Msg_Buttons buttons, Msg_Icon icon) {
            messages.push_back({text, buttons, icon});
            return answer;
        });
        window = new Form1;
        window->show();
        QCoreApplication::processEvents();
    }

    void TearDown() override
    {
        // Deleting a dialog also deletes its own popups, so hold guarded pointers first.
        QList<QPointer<QWidget>> dialogs;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<Form2*>(widget) || qobject_cast<Form3*>(widget))
                dialogs.append(widget);
        }
        for (const QPointer<QWidget>& dialog : dialogs)
            delete dialog.data();
        delete window;
        Set_Msg_Box_Handler(nullptr);
        Set_Readme_System(Desktop_Readme_System());
    }

    template <typename Dialog>
    static std::vector<Dialog*> open_dialogs()
    {
        std::vector<Dialog*> found;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<Dialog*>(widget); dialog && dialog->isVisible())
                found.push_back(dialog);
        }
        return found;
    }

    void fill_scores()
    {
        Score_Table[0] = {"いちばん", 9000};
        Score_Table[1] = {"にばん", 500};
        Score_Table[2] = {"さんばん", 40};
        Score_Table[3] = {"", 1234};
    }

    Form1* window = nullptr;
    std::vector<Shown_Message> messages;
    Msg_Answer answer = Msg_Answer::Yes;
};

TEST_F(MenuCommands, ClearScoresOnYesEmptiesTheTableButNotTheRunningGame)
{
    fill_scores();
    answer = Msg_Answer::Yes;
    window->mnuG3_Click();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("ハイスコアをクリアします\r\rよろしいですか？"));
    EXPECT_EQ(messages[0].buttons, Msg_Buttons::Yes_No);
    EXPECT_EQ(messages[0].icon, Msg_Icon::Question);
    for (int entry = 0; entry < 3; ++entry) {
        EXPECT_EQ(Score_Table[entry].Name, "") << entry;
        EXPECT_EQ(Score_Table[entry].Score, 0) << entry;
    }
    EXPECT_EQ(Score_Table[3].Score, 1234);
    // The panel shows the emptied table at once.
    EXPECT_EQ(window->Label1[4]->text(), QStringLiteral("０"));
    EXPECT_EQ(window->Label1[5]->text(), QString());
    EXPECT_EQ(window->Label1[0]->text(), QStringLiteral("１２３４"));
}

TEST_F(MenuCommands, ClearScoresOnNoChangesNothing)
{
    fill_scores();
    answer = Msg_Answer::No;
    window->mnuG3_Click();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(Score_Table[0].Name, "いちばん");
    EXPECT_EQ(Score_Table[0].Score, 9000);
    EXPECT_EQ(Score_Table[1].Score, 500);
    EXPECT_EQ(Score_Table[2].Name, "さんばん");
    EXPECT_EQ(Score_Table[3].Score, 1234);
}

TEST_F(MenuCommands, ExitSavesTheSettingsAndScores)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    window->Settings_File = dir.filePath(QStringLiteral("Delvano.ini"));
    fill_scores();
    Wait_Value = {4, 5, 6, 7, 8, 9, 10};

    window->mnuG5_Click();

    QFile file(window->Settings_File);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = file.readAll().split('\n');
    for (QByteArray& line : lines)
        line = line.trimmed();
    ASSERT_GE(lines.size(), 15);
    for (int slot = 0; slot < 7; ++slot)
        EXPECT_EQ(lines[2 + slot], QByteArray::number(4 + slot)) << slot;
    EXPECT_EQ(lines[10], "9000");
    EXPECT_EQ(lines[12], "500");
    EXPECT_EQ(lines[14], "40");
    // The running game's score is not kept.
    EXPECT_FALSE(lines.contains("1234"));
    EXPECT_TRUE(messages.empty());
}

struct Readme_Fake {
    QString viewer;
    bool readme_present = true;
    bool starts = true;
    std::vector<QString> looked_up;
    std::vector<std::pair<QString, QStringList>> started;

    Readme_System system()
    {
        Readme_System s;
        s.find_viewer = [this] { return viewer; };
        s.file_exists = [this](const QString& path) {
            looked_up.push_back(path);
            return readme_present;
        };
        s.start = [this](const QString& program, const QStringList& arguments) {
            started.emplace_back(program, arguments);
            return starts;
        };
        return s;
    }
};

TEST_F(MenuCommands, ReadmeWithoutViewerShowsOnlyTheViewerMessage)
{
    App_Dir = "/opt/delvano/";
    for (bool readme_present : {true, false}) {
        messages.clear();
        Readme_Fake fake;
        fake.readme_present = readme_present;
        Set_Readme_System(fake.system());
        window->mnuH1_Click();
        ASSERT_EQ(messages.size(), 1u) << readme_present;
        EXPECT_EQ(messages[0].text, QStringLiteral("メモ帳が見つからないため参照できません。"));
        EXPECT_EQ(messages[0].buttons, Msg_Buttons::Ok);
        EXPECT_EQ(messages[0].icon, Msg_Icon::None);
        EXPECT_TRUE(fake.started.empty());
    }
}

TEST_F(MenuCommands, ReadmeMissingShowsTheReadmeMessage)
{
    App_Dir = "/opt/delvano/";
    Readme_Fake fake;
    fake.viewer = QStringLiteral("/usr/bin/viewer");
    fake.readme_present = false;
    Set_Readme_System(fake.system());
    window->mnuH1_Click();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Readmeファイルが見つからないため参照できません。"));
    EXPECT_EQ(messages[0].icon, Msg_Icon::None);
    ASSERT_EQ(fake.looked_up.size(), 1u);
    EXPECT_EQ(fake.looked_up[0], QStringLiteral("/opt/delvano/Readme.txt"));
    EXPECT_TRUE(fake.started.empty());
}

TEST_F(MenuCommands, ReadmeInAFolderWithASpaceIsPassedAsOneArgument)
{
    App_Dir = "/home/player/my games/delvano/";
    Readme_Fake fake;
    fake.viewer = QStringLiteral("/usr/bin/viewer");
    Set_Readme_System(fake.system());
    window->mnuH1_Click();

    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(fake.started.size(), 1u);
    EXPECT_EQ(fake.started[0].first, QStringLiteral("/usr/bin/viewer"));
    EXPECT_EQ(fake.started[0].second,
              QStringList{QStringLiteral("/home/player/my games/delvano/Readme.txt")});
}

TEST_F(MenuCommands, ReadmeViewerThatFailsToStartIsReportedAndTheGameGoesOn)
{
    App_Dir = "/opt/delvano/";
    Readme_Fake fake;
    fake.viewer = QStringLiteral("/usr/bin/viewer");
    fake.starts = false;
    Set_Readme_System(fake.system());
    window->mnuH1_Click();

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text, QStringLiteral("Readmeファイルが見つからないため参照できません。"));
    EXPECT_FALSE(messages[0].text.isEmpty());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MenuCommands, WaitSettingsOpensBelowLeftOfTheGameWindowAndLocksIt)
{
    window->move(200, 150);
    QCoreApplication::processEvents();
    window->mnuO4_Click();

    const auto dialogs = open_dialogs<Form2>();
    ASSERT_EQ(dialogs.size(), 1u);
    Form2* dialog = dialogs[0];
    EXPECT_EQ(dialog->frameGeometry().topLeft(), window->frameGeometry().topLeft() + QPoint(-8, 20));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("でるぼん ウエイト設定"));
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(dialog->isEnabled());

    QPointer<Form2> watched(dialog);
    dialog->close();
    EXPECT_TRUE(window->isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
}

TEST_F(MenuCommands, VersionOpensRightBelowTheGameWindowAndLocksIt)
{
    window->move(300, 100);
    QCoreApplication::processEvents();
    window->mnuH3_Click();

    const auto dialogs = open_dialogs<Form3>();
    ASSERT_EQ(dialogs.size(), 1u);
    Form3* dialog = dialogs[0];
    EXPECT_EQ(dialog->frameGeometry().topLeft(), window->frameGeometry().topLeft() + QPoint(74, 40));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("でるぼん バージョン情報"));
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(dialog->isEnabled());

    dialog->close();
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(MenuCommands, DialogsKeepTheirOffsetWhenThatIsPartlyOffScreen)
{
    window->move(-40, -30);
    QCoreApplication::processEvents();
    const QPoint corner = window->frameGeometry().topLeft();

    window->mnuO4_Click();
    auto settings = open_dialogs<Form2>();
    ASSERT_EQ(settings.size(), 1u);
    EXPECT_EQ(settings[0]->frameGeometry().topLeft(), corner + QPoint(-8, 20));
    settings[0]->close();

    window->mnuH3_Click();
    auto version = open_dialogs<Form3>();
    ASSERT_EQ(version.size(), 1u);
    EXPECT_EQ(version[0]->frameGeometry().topLeft(), corner + QPoint(74, 40));
    version[0]->close();
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(MenuCommands, ReopeningAClosedDialogLoadsItAgain)
{
    Wait_Value = {3, 3, 3, 3, 3, 3, 3};
    window->mnuO4_Click();
    auto first = open_dialogs<Form2>();
    ASSERT_EQ(first.size(), 1u);
    first[0]->HScroll1[0]->setValue(15);
    first[0]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    window->mnuO4_Click();
    auto second = open_dialogs<Form2>();
    ASSERT_EQ(second.size(), 1u);
    // Unapplied positions of the first opening are gone; the new one starts from Wait_Value.
    EXPECT_EQ(second[0]->HScroll1[0]->value(), 3);
    EXPECT_EQ(Wait_Value[0], 3);
    second[0]->close();
}

}  // namespace
