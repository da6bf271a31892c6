// GoogleTest main for tests that need widgets: one QApplication and the game's pictures for the
// whole run, offscreen unless the test's environment says otherwise.
#include <cstdlib>

#include <QApplication>
#include <gtest/gtest.h>

#include "display/pictures.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const Picture_Store pictures;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
