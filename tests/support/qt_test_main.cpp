// GoogleTest main for tests that need widgets: one QApplication, the game's pictures and the
// desktop's event loop for the whole run, offscreen unless the test's environment says otherwise.
#include "display/pictures.h"
#include "shell/event_loop.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const Picture_Store pictures;
    Event_Loop_Pacing pacing;
    Set_Pacing_Host(&pacing);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
