#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/module1.h"
#include "shell/message_box.h"
#include "shell/settings_file.h"

namespace {

struct Shown {
    QString text;
    Msg_Buttons buttons;
    Msg_Icon icon;
};

const QString Broken_Text = QStringLiteral("設定ファイルが壊れているため\r初期状態にクリアして起動します");
const QString Failed_Text =
    QStringLiteral("ディスクにアクセスできなかったため\r設定及びスコアデータを保存できませんでした。");
const std::array<int32_t, 7> Default_Waits{1, 3, 1, 1, 1, 1, 1};

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("Delvano.ini"));
        Reset_Module1();
        Set_Msg_Box_Handler([this](const QString& text, Msg_Buttons buttons, Msg_Icon icon) {
            shown.push_back({text, buttons, icon});
            return Msg_Answer::Ok;
        });
    }
    void TearDown() override
    {
        Set_Msg_Box_Handler({});
        Set_Settings_Clock({});
    }

    void Fake_Clock(const QDateTime& when)
    {
        Set_Settings_Clock([when] { return when; });
    }

    QByteArray Bytes() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A hand-made file whose modification time matches the given minute.
    void Write(const QByteArray& bytes, const QDateTime& modified) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        ASSERT_TRUE(file.flush());
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }

    void Fill_Table()
    {
        Wait_Value = {50, -3, 0, 7, 2147483647, -2147483647 - 1, 12};
        Score_Table[0] = {"ほり太", 1234};
        Score_Table[1] = {"a, b", -5};
        Score_Table[2] = {"", 0};
        Score_Table[3] = {"playing", 99};
    }

    void Expect_Defaults() const
    {
        EXPECT_EQ(Wait_Value, Default_Waits);
        for (const Score_Entry& entry : Score_Table) {
            EXPECT_EQ(entry.Name, "");
            EXPECT_EQ(entry.Score, 0);
        }
    }

    void Expect_One_Broken_Message() const
    {
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, Broken_Text);
        EXPECT_EQ(shown[0].buttons, Msg_Buttons::Ok);
        EXPECT_EQ(shown[0].icon, Msg_Icon::Information);
    }

    QTemporaryDir dir;
    QString path;
    std::vector<Shown> shown;
};

const QDateTime Nov22 = QDateTime(QDate(2002, 11, 22), QTime(15, 30, 12));
const QByteArray Nov22_Header = "\"でるぼん Ver3.00 設定ファイル [0211221530]\"\r\n";

// A file as the game writes it for the given stamp, with lines replaced where asked.
QByteArray Valid_File(QList<QByteArray> replace = {})
{
    QList<QByteArray> lines = {Nov22_Header.chopped(2), "\"1\"", "50", "-3", "1", "1", "1", "1", "1",
                               "\"ほり太\"", "300", "\"\"", "20", "\"x\"", "10"};
    for (qsizetype i = 0; i < replace.size(); i += 2)
        lines[replace[i].toInt() - 1] = replace[i + 1];
    return lines.join("\r\n") + "\r\n";
}

}  // namespace

TEST_F(SettingsFile, WritesDefaultsByteForByte)
{
    Fake_Clock(Nov22);
    Set_Settings_Defaults();
    ASSERT_TRUE(Settings_Save(path, true));
    EXPECT_EQ(Bytes(), Nov22_Header +
                           "\"1\"\r\n1\r\n3\r\n1\r\n1\r\n1\r\n1\r\n1\r\n"
                           "\"\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n");
    EXPECT_TRUE(shown.empty());
}

TEST_F(SettingsFile, WritesAFilledTableQuotedAndLeavesTheCurrentGameOut)
{
    Fake_Clock(QDateTime(QDate(2024, 1, 5), QTime(9, 7, 59, 900)));
    Fill_Table();
    Score_Table[1].Name = "say \"hi\"";
    ASSERT_TRUE(Settings_Save(path, false));
    EXPECT_EQ(Bytes(), QByteArray("\"でるぼん Ver3.00 設定ファイル [2401050907]\"\r\n\"0\"\r\n"
                                  "50\r\n-3\r\n0\r\n7\r\n2147483647\r\n-2147483648\r\n12\r\n"
                                  "\"ほり太\"\r\n1234\r\n\"say ＂hi＂\"\r\n-5\r\n\"\"\r\n0\r\n"));
}

TEST_F(SettingsFile, EveryFieldSurvivesARoundTrip)
{
    Fill_Table();
    ASSERT_TRUE(Settings_Save(path, false));
    const auto waits = Wait_Value;
    const auto scores = Score_Table;
    Reset_Module1();
    Score_Table[3] = {"still playing", 42};
    bool sound = true;
    ASSERT_EQ(Settings_Load(path, sound), Load_Result::Loaded);
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(sound);
    EXPECT_EQ(Wait_Value, waits);
    for (int entry = 0; entry < 3; ++entry) {
        EXPECT_EQ(Score_Table[entry].Name, scores[entry].Name) << entry;
        EXPECT_EQ(Score_Table[entry].Score, scores[entry].Score) << entry;
    }
    EXPECT_EQ(Score_Table[3].Name, "still playing");
    EXPECT_EQ(Score_Table[3].Score, 42);
}

TEST_F(SettingsFile, ANameWithQuotesOrLineBreaksReadsBackAsWritten)
{
    Set_Settings_Defaults();
    Score_Table[0].Name = "\"quoted\"";
    Score_Table[1].Name = "two\r\nlines";
    ASSERT_TRUE(Settings_Save(path, true));
    bool sound = false;
    ASSERT_EQ(Settings_Load(path, sound), Load_Result::Loaded);
    EXPECT_EQ(Score_Table[0].Name, "＂quoted＂");
    EXPECT_EQ(Score_Table[1].Name, "two lines");
}

TEST_F(SettingsFile, NamesThatLookLikeDecodingDamageStillReadBack)
{
    // A replacement character or a NUL is valid UTF-8 and must not send the file down the
    // Shift-JIS road.
    Set_Settings_Defaults();
    Score_Table[0].Name = "\xEF\xBF\xBD";
    Score_Table[1].Name = std::string("a\0b", 3);
    Score_Table[2].Name = "  spaced  ";
    ASSERT_TRUE(Settings_Save(path, true));
    bool sound = false;
    ASSERT_EQ(Settings_Load(path, sound), Load_Result::Loaded);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Score_Table[0].Name, "\xEF\xBF\xBD");
    EXPECT_EQ(Score_Table[1].Name, std::string("a\0b", 3));
    EXPECT_EQ(Score_Table[2].Name, "  spaced  ");
}

TEST_F(SettingsFile, AnUntouchedSaveLoadsSilently)
{
    Fill_Table();
    ASSERT_TRUE(Settings_Save(path, true));
    bool sound = false;
    EXPECT_EQ(Settings_Load(path, sound), Load_Result::Loaded);
    EXPECT_TRUE(sound);
    EXPECT_TRUE(shown.empty());
}

TEST_F(SettingsFile, ASaveStraddlingAMinuteStillLoadsSilently)
{
    // The stamp is taken at 12:34:59.9 while the disk sees the file finished minutes later.
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime stamp(now.date().addDays(-1), QTime(12, 34, 59, 900));
    Fake_Clock(stamp);
    Fill_Table();
    ASSERT_TRUE(Settings_Save(path, true));
    EXPECT_EQ(QFileInfo(path).lastModified().toString("yyMMddHHmm"), stamp.toString("yyMMddHHmm"));
    bool sound = false;
    EXPECT_EQ(Settings_Load(path, sound), Load_Result::Loaded);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Wait_Value[0], 50);
}

TEST_F(SettingsFile, AFileTouchedInAnotherMinuteIsBrokenAndStaysOnDisk)
{
    Fake_Clock(Nov22);
    Fill_Table();
    ASSERT_TRUE(Settings_Save(path, true));
    const QByteArray before = Bytes();
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(Nov22.addSecs(60), QFileDevice::FileModificationTime));
    }
    bool sound = false;
    EXPECT_EQ(Settings_Load(path, sound), Load_Result::Broken);
    Expect_One_Broken_Message();
    Expect_Defaults();
    // The stamp is checked before line 2, so the switch was never read.
    EXPECT_FALSE(sound);
    EXPECT_EQ(Bytes(), before);
}

TEST_F(SettingsFile, AMissingFileGivesDefaultsSilentlyAndLeavesTheSwitch)
{
    Fill_Table();
    for (const bool initial : {true, false}) {
        bool sound = initial;
        EXPECT_EQ(Settings_Load(path, sound), Load_Result::Missing);
        EXPECT_EQ(sound, initial);
    }
    EXPECT_TRUE(shown.empty());
    Expect_Defaults();
}

TEST_F(SettingsFile, ValuesOutsideTheUsualRangeAreTakenUnchanged)
{
    Write(Valid_File({"5", " 2147483647 ", "11", "-2147483648", "13", "+7"}), Nov22);
    bool sound = false;
    ASSERT_EQ(Settings_Load(path, sound), Load_Result::Loaded);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Wait_Value, (std::array<int32_t, 7>{50, -3, 2147483647, 1, 1, 1, 1}));
    EXPECT_EQ(Score_Table[0].Name, "ほり太");
    EXPECT_EQ(Score_Table[0].Score, -2147483647 - 1);
    EXPECT_EQ(Score_Table[1].Name, "");
    EXPECT_EQ(Score_Table[1].Score, 7);
    EXPECT_EQ(Score_Table[2].Score, 10);
}

TEST_F(SettingsFile, DamagedFilesAreBrokenWithExactlyOneMessage)
{
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"first line shorter than 31 characters", Valid_File({"1", "\"でるぼん Ver3.00 設定ファイル [021122153\""})},
        {"empty file", QByteArray()},
        {"15th line missing", Valid_File().chopped(4)},
        {"15th line empty", Valid_File().chopped(4) + "\r\n"},
        {"only the header", Nov22_Header},
        {"a word for a wait", Valid_File({"4", "three"})},
        {"a number with junk", Valid_File({"6", "12a"})},
        {"a blank number line", Valid_File({"7", "   "})},
        {"a lone minus", Valid_File({"8", "-"})},
        {"a decimal point", Valid_File({"9", "1.5"})},
        {"a score past 32 bits", Valid_File({"11", "2147483648"})},
        {"a score below 32 bits", Valid_File({"13", "-2147483649"})},
        {"a score of many digits", Valid_File({"15", "99999999999999999999999999999999"})},
        {"over 64 KiB", Valid_File() + QByteArray(65 * 1024, ' ')},
        {"neither UTF-8 nor Shift-JIS", Valid_File({"10", "\"\x82\xff\x80\""})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        shown.clear();
        Fill_Table();
        Write(c.bytes, Nov22);
        bool sound = false;
        EXPECT_EQ(Settings_Load(path, sound), Load_Result::Broken);
        Expect_One_Broken_Message();
        Expect_Defaults();
    }
}

TEST_F(SettingsFile, AFolderInPlaceOfTheFileCountsAsNoFile)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("Delvano.ini"));
    bool sound = true;
    EXPECT_EQ(Settings_Load(path, sound), Load_Result::Missing);
    EXPECT_TRUE(shown.empty());
}

TEST_F(SettingsFile, APipeInPlaceOfTheFileIsBrokenWithoutWaiting)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    Fill_Table();
    bool sound = true;
    EXPECT_EQ(Settings_Load(path, sound), Load_Result::Broken);
    Expect_One_Broken_Message();
    Expect_Defaults();
}

TEST_F(SettingsFile, TheSwitchReadFromLineTwoOutlivesABreakFurtherDown)
{
    for (const bool initial : {true, false}) {
        shown.clear();
        Write(Valid_File({"2", "\"0\"", "7", "x"}), Nov22);
        bool sound = initial;
        EXPECT_EQ(Settings_Load(path, sound), Load_Result::Broken);
        EXPECT_FALSE(sound);
        Write(Valid_File({"2", "\"1\"", "15", "x"}), Nov22);
        sound = initial;
        EXPECT_EQ(Settings_Load(path, sound), Load_Result::Broken);
        EXPECT_TRUE(sound);
        EXPECT_EQ(shown.size(), 2u);
    }
}

TEST_F(SettingsFile, OnlyAOneOnLineTwoSwitchesSoundOn)
{
    const std::pair<QByteArray, bool> lines[] = {
        {"\"1\"", true}, {"1", true}, {"\"0\"", false}, {"\"\"", false}, {"\"yes\"", false}, {"\"11\"", false}};
    for (const auto& [line, on] : lines) {
        SCOPED_TRACE(line.constData());
        Write(Valid_File({"2", line}), Nov22);
        bool sound = !on;
        EXPECT_EQ(Settings_Load(path, sound), Load_Result::Loaded);
        EXPECT_EQ(sound, on);
    }
    EXPECT_TRUE(shown.empty());
}

TEST_F(SettingsFile, TheNextSaveAfterABrokenStartIsValid)
{
    Write("garbage\r\n", Nov22);
    bool sound = true;
    ASSERT_EQ(Settings_Load(path, sound), Load_Result::Broken);
    ASSERT_TRUE(Settings_Save(path, sound));
    shown.clear();
    Fill_Table();
    EXPECT_EQ(Settings_Load(path, sound), Load_Result::Loaded);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Wait_Value, Default_Waits);
}

TEST_F(SettingsFile, AShiftJisFileFromWindowsLoads)
{
    QStringEncoder sjis("Shift_JIS");
    ASSERT_TRUE(sjis.isValid());
    const QByteArray bytes = sjis.encode(QString::fromUtf8(Valid_File({"14", "\"でるぼん太郎\""})));
    ASSERT_FALSE(sjis.hasError());
    ASSERT_NE(bytes, Valid_File({"14", "\"でるぼん太郎\""}));
    Write(bytes, Nov22);
    bool sound = false;
    ASSERT_EQ(Settings_Load(path, sound), Load_Result::Loaded);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Score_Table[0].Name, "ほり太");
    EXPECT_EQ(Score_Table[2].Name, "でるぼん太郎");
}

TEST_F(SettingsFile, LenientLayoutsStillLoad)
{
    const struct {
        const char* what;
        QByteArray bytes;
        std::string third_name;
    } cases[] = {
        {"lone LF line ends", Valid_File().replace("\r\n", "\n"), "x"},
        {"a UTF-8 BOM", "\xEF\xBB\xBF" + Valid_File(), "x"},
        {"no line end after the last line", Valid_File().chopped(2), "x"},
        {"an unclosed quote runs to the line end", Valid_File({"14", "\"open, name"}), "open, name"},
        {"an unquoted name ends at a comma", Valid_File({"14", "  plain , rest"}), "plain"},
        {"lines past the 15th are ignored", Valid_File() + "extra\r\n", "x"},
        {"the header is counted in characters, not UTF-16 units",
         Valid_File({"1", "\"😀るぼん Ver3.00 設定ファイル [0211221530]\""}), "x"},
        {"only the stamp of the header is examined", Valid_File({"1", "\"Other game Ver09.99 [0211221530] more\""}), "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Write(c.bytes, Nov22);
        bool sound = false;
        EXPECT_EQ(Settings_Load(path, sound), Load_Result::Loaded);
        EXPECT_EQ(Score_Table[2].Name, c.third_name);
        EXPECT_EQ(Score_Table[0].Score, 300);
    }
    EXPECT_TRUE(shown.empty());
}

TEST_F(SettingsFile, ASaveIntoAnImpossibleFolderReportsAndFails)
{
    QFile blocker(dir.filePath("not_a_folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(Settings_Save(dir.filePath("not_a_folder/Delvano.ini"), true));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, Failed_Text);
    EXPECT_EQ(shown[0].icon, Msg_Icon::Critical);
    EXPECT_EQ(shown[0].buttons, Msg_Buttons::Ok);
}

TEST_F(SettingsFile, AFolderReplacedByAFileAfterStartUpFailsTheSave)
{
    const QString folder = dir.filePath("game");
    const QString inside = folder + "/Delvano.ini";
    ASSERT_TRUE(Settings_Save(inside, true));
    ASSERT_TRUE(QDir(folder).removeRecursively());
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(Settings_Save(inside, true));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, Failed_Text);
}

TEST_F(SettingsFile, AFolderMadeReadOnlyAfterStartUpKeepsTheOldFileByteForByte)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders; the disk-full case covers this road";
    const QString folder = dir.filePath("game");
    const QString inside = folder + "/Delvano.ini";
    Fill_Table();
    ASSERT_TRUE(Settings_Save(inside, true));
    QFile file(inside);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    Set_Settings_Defaults();
    const bool saved = Settings_Save(inside, false);
    chmod(QFile::encodeName(folder).constData(), 0755);
    EXPECT_FALSE(saved);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, Failed_Text);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST_F(SettingsFile, ADiskThatFillsDuringTheSaveKeepsTheOldFileByteForByte)
{
    Fake_Clock(Nov22);
    Fill_Table();
    ASSERT_TRUE(Settings_Save(path, true));
    const QByteArray before = Bytes();
    const QDateTime before_time = QFileInfo(path).lastModified();

    // A file-size limit makes every write past 16 bytes fail as a full disk would.
    rlimit old_limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old_limit;
    tiny.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    Set_Settings_Defaults();
    const bool saved = Settings_Save(path, false);
    setrlimit(RLIMIT_FSIZE, &old_limit);
    std::signal(SIGXFSZ, old_handler);

    EXPECT_FALSE(saved);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, Failed_Text);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(QFileInfo(path).lastModified(), before_time);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Delvano.ini"});
}

TEST_F(SettingsFile, ASaveCreatesTheFolderItNeeds)
{
    const QString deep = dir.filePath("config/でるぼん/Delvano.ini");
    ASSERT_TRUE(Settings_Save(deep, true));
    bool sound = false;
    EXPECT_EQ(Settings_Load(deep, sound), Load_Result::Loaded);
    EXPECT_TRUE(shown.empty());
}

TEST_F(SettingsFile, TheProgramFolderIsUsedWhenItCanBeWritten)
{
    const QString app_dir = dir.path() + "/";
    EXPECT_EQ(Settings_Path(app_dir), app_dir + "Delvano.ini");
    // The probe leaves nothing behind.
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty());
}

TEST_F(SettingsFile, AnUnwritableProgramFolderFallsBackToTheConfigFolder)
{
    const QString expected =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/Delvano.ini";
    EXPECT_EQ(Settings_Path("/proc/"), expected);
    EXPECT_EQ(Settings_Path(dir.filePath("no/such/folder/")), expected);
}

TEST(SettingsFileMessage, CarriageReturnsBecomeLineBreaks)
{
    EXPECT_EQ(Msg_Display_Text("a\rb"), "a\nb");
    EXPECT_EQ(Msg_Display_Text("a\r\rb"), "a\n\nb");
    EXPECT_EQ(Msg_Display_Text("a\r\nb"), "a\nb");
    EXPECT_EQ(Msg_Display_Text("plain"), "plain");
}

TEST(SettingsFileMessage, AnInstalledHandlerReceivesTheCallAndItsAnswerComesBack)
{
    QString seen;
    Set_Msg_Box_Handler([&](const QString& text, Msg_Buttons buttons, Msg_Icon icon) {
        seen = text;
        EXPECT_EQ(buttons, Msg_Buttons::Yes_No);
        EXPECT_EQ(icon, Msg_Icon::Question);
        return Msg_Answer::No;
    });
    EXPECT_EQ(Msg_Box("q\r\rq", Msg_Buttons::Yes_No, Msg_Icon::Question), Msg_Answer::No);
    EXPECT_EQ(seen, "q\r\rq");
    Set_Msg_Box_Handler({});
}
