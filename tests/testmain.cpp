#include "platform/Canvas.h"
#include "platform/Resources.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Widget tests run without a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    InitResources();
    InstallProgramFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
