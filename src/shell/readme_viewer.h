// The readme command: Readme.txt from the program's folder in the desktop's text viewer,
// started without waiting for it.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What the command asks of the system; tests put fakes in.
struct Readme_System {
    // The viewer program to start, empty when the system has none.
    std::function<QString()> find_viewer;
    std::function<bool(const QString& path)> file_exists;
    // Starts program with the arguments detached; false when it could not be started.
    std::function<bool(const QString& program, const QStringList& arguments)> start;
};

// The real system: xdg-open, else one of the common text editors, from the search path.
Readme_System Desktop_Readme_System();
// Replaces what Show_Readme uses; an empty function member keeps the desktop's one.
void Set_Readme_System(const Readme_System& system);

// Looks for the viewer, then for app_dir + "Readme.txt", and starts the viewer on it. Every
// failure is a message and nothing else.
void Show_Readme(const QString& app_dir);
