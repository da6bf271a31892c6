// `cmake --install` into a scratch prefix: the program folder, the launcher, the menu entry, the
// icons and the AppStream data, and the Debian package made from the same install rules.
#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QMap>
#include <QTemporaryDir>

#include "desktop/installed_game.h"
#include "display/pictures.h"

namespace {

using namespace std::chrono_literals;

const QString App_Id = QStringLiteral("io.github.delvano.Delvano");
const int Icon_Sizes[] = {16, 32, 48, 64, 128, 256};

// The keys of the [Desktop Entry] group, values as written (lists keep their semicolons).
QMap<QString, QString> desktop_entry(const QString& file_name)
{
    QMap<QString, QString> entry;
    QFile file(file_name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entry;
    bool in_group = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.startsWith('['))
            in_group = line == "[Desktop Entry]";
        else if (in_group && line.contains('='))
            entry.insert(line.section('=', 0, 0), line.section('=', 1));
    }
    return entry;
}

class Install_Tree : public ::testing::Test {
protected:
    void SetUp() override
    {
        prefix = Installed_Prefix();
        ASSERT_FALSE(prefix.isEmpty()) << Install_Log().toStdString();
    }
    QString path(const QString& relative) const { return prefix + "/" + relative; }
    QString desktop_file() const { return path("share/applications/" + App_Id + ".desktop"); }
    QString metainfo_file() const { return path("share/metainfo/" + App_Id + ".metainfo.xml"); }

    QString prefix;
};

TEST_F(Install_Tree, ProgramFolderHoldsTheGameItsTenEffectsAndTheReadme)
{
    const QDir program(Installed_Program_Dir());
    QStringList expected = {"delvano", "Readme.txt"};
    for (const char* effect :
         {"Dam", "Dig", "Stone", "Gold", "Life", "Special", "Schop", "Hight", "Over", "Out"})
        expected << QString::fromLatin1(effect) + ".wav";
    expected.sort();
    EXPECT_EQ(program.entryList(QDir::Files, QDir::Name), expected);
    EXPECT_TRUE(QFileInfo(program.filePath("delvano")).isExecutable());
    // The same files as the build's own program folder, byte for byte.
    for (const QString& name : expected) {
        if (name == "delvano")
            continue;
        QFile built(QStringLiteral(DELVANO_BUILD_DIR "/Delvano/") + name);
        QFile installed(program.filePath(name));
        ASSERT_TRUE(built.open(QIODevice::ReadOnly)) << name.toStdString();
        ASSERT_TRUE(installed.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_TRUE(built.readAll() == installed.readAll()) << name.toStdString();
    }
}

TEST_F(Install_Tree, LauncherOnThePathStartsTheGameFromTheProgramFolder)
{
    const QString launcher = path("bin/delvano");
    ASSERT_TRUE(QFileInfo(launcher).isExecutable());
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    QProcess game;
    game.setProcessEnvironment(env);
    game.setProcessChannelMode(QProcess::MergedChannels);
    game.start(launcher, {});
    ASSERT_TRUE(game.waitForStarted());
    std::this_thread::sleep_for(1500ms);
    EXPECT_EQ(game.state(), QProcess::Running) << game.readAll().toStdString();
    // The launcher execs the game, so the started process is the installed executable itself.
    const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(game.processId())).symLinkTarget();
    EXPECT_EQ(exe, QFileInfo(Installed_Program_Dir() + "/delvano").canonicalFilePath());
    game.kill();
    game.waitForFinished();
}

TEST_F(Install_Tree, MenuEntryNamesTheGameAndStartsTheLauncher)
{
    const QMap<QString, QString> entry = desktop_entry(desktop_file());
    EXPECT_EQ(entry.value("Type"), "Application");
    EXPECT_EQ(entry.value("Name"), QStringLiteral("でるぼん"));
    EXPECT_EQ(entry.value("Name[ja]"), QStringLiteral("でるぼん"));
    EXPECT_EQ(entry.value("Name[en]"), "Delvano");
    EXPECT_FALSE(entry.value("Comment").isEmpty());
    EXPECT_FALSE(entry.value("Comment[ja]").isEmpty());
    EXPECT_EQ(entry.value("Categories"), "Game;ArcadeGame;");
    EXPECT_EQ(entry.value("Exec"), "delvano");
    EXPECT_TRUE(QFileInfo(path("bin/") + entry.value("Exec")).isExecutable());
    EXPECT_EQ(entry.value("Icon"), App_Id);
}

TEST_F(Install_Tree, HicolorIconsAreTheWindowIconAtEverySize)
{
    const QIcon& window_icon = Game_Pictures().icon;
    for (int size : Icon_Sizes) {
        const QString file =
            path(QStringLiteral("share/icons/hicolor/%1x%1/apps/").arg(size) + App_Id + ".png");
        const QImage installed(file);
        ASSERT_FALSE(installed.isNull()) << file.toStdString();
        EXPECT_EQ(installed.size(), QSize(size, size));
        EXPECT_TRUE(window_icon.availableSizes().contains(QSize(size, size))) << size;
        EXPECT_EQ(installed.convertToFormat(QImage::Format_ARGB32),
                  window_icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(
                      QImage::Format_ARGB32))
            << size;
    }
}

TEST_F(Install_Tree, DesktopFilePassesTheValidator)
{
    const QString validator = Tool("desktop-file-validate");
    if (validator.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed";
    const Run_Result run = Run_Tool(validator, {desktop_file()});
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exit_code, 0) << run.output.toStdString();
    // The validator reports hints and warnings without failing; there should be none.
    EXPECT_EQ(run.output.trimmed(), QString());
}

TEST_F(Install_Tree, MetainfoPassesTheAppStreamValidatorAndNamesTheMenuEntry)
{
    QFile file(metainfo_file());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(xml.contains("<launchable type=\"desktop-id\">" + App_Id + ".desktop</launchable>"));
    EXPECT_TRUE(xml.contains("<release version=\"3.00\""));
    EXPECT_TRUE(xml.contains("<developer_name>Delvano developers</developer_name>"));
    EXPECT_TRUE(xml.contains("<content_rating type=\"oars-1.1\""));

    const QString validator = Tool("appstreamcli");
    if (validator.isEmpty())
        GTEST_SKIP() << "appstreamcli is not installed";
    const Run_Result run = Run_Tool(validator, {"validate", "--no-net", metainfo_file()});
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exit_code, 0) << run.output.toStdString();
}

TEST_F(Install_Tree, DebianPackageCarriesTheInstallTreeAndItsDependencies)
{
    const QString dpkg_deb = Tool("dpkg-deb");
    if (dpkg_deb.isEmpty())
        GTEST_SKIP() << "dpkg-deb is not installed";
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const Run_Result cpack = Run_Tool(QStringLiteral(DELVANO_CPACK),
                                 {"-G", "DEB", "--config", DELVANO_BUILD_DIR "/CPackConfig.cmake",
                                  "-B", out.path()},
                                 180000);
    ASSERT_EQ(cpack.exit_code, 0) << cpack.output.toStdString();
    const QStringList debs = QDir(out.path()).entryList({"*.deb"}, QDir::Files);
    ASSERT_EQ(debs.size(), 1) << cpack.output.toStdString();
    const QString deb = out.filePath(debs.first());

    const Run_Result fields = Run_Tool(dpkg_deb, {"-f", deb, "Package", "Version", "Depends", "Maintainer", "Section"});
    EXPECT_TRUE(fields.output.contains("Package: delvano\n")) << fields.output.toStdString();
    EXPECT_TRUE(fields.output.contains("Version: " DELVANO_VERSION)) << fields.output.toStdString();
    for (const char* dependency : {"libqt6widgets6", "libqt6multimedia6", "fonts-ipafont-gothic"})
        EXPECT_TRUE(fields.output.contains(QString::fromLatin1(dependency))) << dependency;
    EXPECT_TRUE(fields.output.contains("Maintainer: Delvano developers <delvano@users.invalid>"));
    EXPECT_TRUE(fields.output.contains("Section: games"));

    const Run_Result contents = Run_Tool(dpkg_deb, {"-c", deb});
    for (const QString& file :
         {QStringLiteral("./usr/bin/delvano"), QStringLiteral("./usr/lib/delvano/delvano"),
          QStringLiteral("./usr/lib/delvano/Readme.txt"), QStringLiteral("./usr/lib/delvano/Out.wav"),
          "./usr/share/applications/" + App_Id + ".desktop",
          "./usr/share/metainfo/" + App_Id + ".metainfo.xml",
          "./usr/share/icons/hicolor/256x256/apps/" + App_Id + ".png"})
        EXPECT_TRUE(contents.output.contains(file)) << file.toStdString();
}

}  // namespace
