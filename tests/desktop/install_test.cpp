// What the README promises of `cmake --install` and `cpack -G DEB` from this build, validated.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// The exit code (-1 when the program did not run to its end), a colon and all it printed.
std::string run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    const bool ended = process.waitForFinished(300000) && process.exitStatus() == QProcess::NormalExit;
    return std::to_string(ended ? process.exitCode() : -1) + ":" + process.readAll().toStdString();
}
TEST(Install, Tree_And_Package_Hold_What_The_Readme_Promises)
{
    QTemporaryDir prefix, out;
    ASSERT_EQ(run(DELVANO_CMAKE, {"--install", DELVANO_BUILD_DIR, "--prefix", prefix.path()}).find("0:"), 0);
    ASSERT_EQ(run(DELVANO_CPACK, {"-G", "DEB", "-B", out.path(), "--config",
                                  DELVANO_BUILD_DIR "/CPackConfig.cmake"}).find("0:"), 0);
    const QString id = "io.github.delvano.Delvano", deb = out.filePath(QDir(out.path()).entryList({"*.deb"}).value(0));
    QStringList files = {"bin/delvano", "lib/delvano/delvano", "lib/delvano/Readme.txt",
                         "share/applications/" + id + ".desktop", "share/metainfo/" + id + ".metainfo.xml"};
    for (const char* effect : {"Dam", "Dig", "Stone", "Gold", "Life", "Special", "Schop", "Hight", "Over", "Out"})
        files << QStringLiteral("lib/delvano/%1.wav").arg(effect);
    for (int size : {16, 32, 48, 64, 128, 256})
        files << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(id);
    const std::string packed = run("dpkg-deb", {"--contents", deb});
    for (const QString& file : files) {
        const QFileInfo installed(prefix.filePath(file));
        EXPECT_TRUE(installed.isFile() && installed.isExecutable() == file.endsWith("delvano")) << file.toStdString();
        EXPECT_NE(packed.find(" ./usr/" + file.toStdString() + "\n"), std::string::npos) << file.toStdString();
    }
    EXPECT_EQ(run("desktop-file-validate", {prefix.filePath(files[3])}), "0:");
    EXPECT_EQ(run("appstreamcli", {"validate", "--no-net", prefix.filePath(files[4])}).find("0:"), 0);
    EXPECT_EQ(run("dpkg-deb", {"--field", deb, "Depends"}), "0:libqt6widgets6, libqt6multimedia6, libsdl2-2.0-0, fonts-ipafont-gothic\n");
}
}  // namespace
