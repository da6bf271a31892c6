#include "desktop/installed_game.h"

#include <memory>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

struct Installation {
    std::unique_ptr<QTemporaryDir> dir;
    QString log;
    bool ok = false;
};

const Installation& installation()
{
    static const Installation installed = [] {
        Installation result;
        result.dir = std::make_unique<QTemporaryDir>();
        if (!result.dir->isValid()) {
            result.log = QStringLiteral("no scratch folder");
            return result;
        }
        // Other users (the game run as nobody) must be able to reach the installed tree.
        QFile::setPermissions(result.dir->path(), QFile::ReadOwner | QFile::WriteOwner
                                                      | QFile::ExeOwner | QFile::ReadGroup
                                                      | QFile::ExeGroup | QFile::ReadOther
                                                      | QFile::ExeOther);
        const Run_Result run = Run_Tool(QStringLiteral(DELVANO_CMAKE),
                                   {QStringLiteral("--install"), QStringLiteral(DELVANO_BUILD_DIR),
                                    QStringLiteral("--prefix"), result.dir->path()});
        result.log = run.output;
        result.ok = run.finished && run.exit_code == 0;
        return result;
    }();
    return installed;
}

}  // namespace

QString Installed_Prefix()
{
    return installation().ok ? installation().dir->path() : QString();
}

QString Install_Log()
{
    return installation().log;
}

QString Installed_Program_Dir()
{
    const QString prefix = Installed_Prefix();
    return prefix.isEmpty() ? QString() : prefix + QStringLiteral("/lib/delvano");
}

QString Tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

Run_Result Run_Tool(const QString& program, const QStringList& args, int timeout_ms,
               const QProcessEnvironment& env)
{
    Run_Result result;
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForStarted()) {
        result.output = process.errorString();
        return result;
    }
    result.finished = process.waitForFinished(timeout_ms);
    if (!result.finished) {
        process.kill();
        process.waitForFinished();
    }
    result.output = QString::fromUtf8(process.readAll());
    result.exit_code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}
