// The live tests' own main: the desktop comes up first, then the application on its X server.
#include "desktop/live_desktop.h"
#include "display/pictures.h"
#include "shell/event_loop.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

extern Live_Desktop* The_Desktop;

int main(int argc, char** argv)
{
    Live_Desktop desktop({.window_manager = true, .sound_server = true});
    if (!desktop.error().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(desktop.error()));
        return 1;
    }
    const QProcessEnvironment env = desktop.environment();
    for (const char* name : {"DISPLAY", "HOME", "XDG_RUNTIME_DIR"})
        setenv(name, qPrintable(env.value(name)), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    The_Desktop = &desktop;
    QApplication app(argc, argv);
    const Picture_Store pictures;
    Event_Loop_Pacing pacing;
    Set_Pacing_Host(&pacing);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
