#include "core/libraries/Libraries.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // The core draws with QtGui types; an offscreen platform keeps the tests
    // independent of any display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    zf::installLibraries();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
