// The game installed from this build into a scratch prefix, once per test run, and the tools
// the tests drive it with.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The prefix `cmake --install` filled; empty when the install failed (the reason is in
// Install_Log()).
QString Installed_Prefix();
QString Install_Log();

// The installed program folder, lib/delvano under the prefix.
QString Installed_Program_Dir();

// An installed tool's full path, empty when it is not installed.
QString Tool(const char* name);

struct Run_Result {
    int exit_code = -1;
    bool finished = false;
    QString output;  // stdout and stderr together
};
Run_Result Run_Tool(const QString& program, const QStringList& args, int timeout_ms = 60000,
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());
