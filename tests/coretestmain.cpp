#include "platform/Canvas.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// The test main of the core folders: a GUI application for pictures and
// fonts, but no widgets, so a widget used by the core fails to link here.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    InstallProgramFonts();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
