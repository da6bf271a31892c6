#include "shell/readme_viewer.h"

#include "shell/message_box.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

QString find_desktop_viewer()
{
    // xdg-open hands the file to whatever the desktop has chosen for text; the editors are
    // for systems without it.
    for (const char* name : {"xdg-open", "gedit", "gnome-text-editor", "kate", "mousepad", "xed",
                             "pluma", "leafpad", "kwrite", "featherpad"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

Readme_System& current()
{
    static Readme_System system = Desktop_Readme_System();
    return system;
}

}  // namespace

Readme_System Desktop_Readme_System()
{
    Readme_System system;
    system.find_viewer = find_desktop_viewer;
    system.file_exists = [](const QString& path) { return QFileInfo(path).isFile(); };
    system.start = [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    };
    return system;
}

void Set_Readme_System(const Readme_System& system)
{
    const Readme_System desktop = Desktop_Readme_System();
    Readme_System& target = current();
    target.find_viewer = system.find_viewer ? system.find_viewer : desktop.find_viewer;
    target.file_exists = system.file_exists ? system.file_exists : desktop.file_exists;
    target.start = system.start ? system.start : desktop.start;
}

void Show_Readme(const QString& app_dir)
{
    const Readme_System& system = current();
    const QString viewer = system.find_viewer();
    if (viewer.isEmpty()) {
        Msg_Box(QStringLiteral("メモ帳が見つからないため参照できません。"), Msg_Buttons::Ok,
                Msg_Icon::None);
        return;
    }
    const QString readme = app_dir + QStringLiteral("Readme.txt");
    if (!system.file_exists(readme)) {
        Msg_Box(QStringLiteral("Readmeファイルが見つからないため参照できません。"),
                Msg_Buttons::Ok, Msg_Icon::None);
        return;
    }
    // The path is one argument of its own, so a folder with a space in its name stays whole.
    if (!system.start(viewer, {readme}))
        Msg_Box(QStringLiteral("Readmeを開くことができませんでした。"), Msg_Buttons::Ok,
                Msg_Icon::None);
}
