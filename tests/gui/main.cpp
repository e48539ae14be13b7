#include "core/libraries/Libraries.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // The windows are driven offscreen, so the tests need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zf::installLibraries();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
