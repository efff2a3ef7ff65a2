#include "platform/Canvas.h"
#include "platform/Resources.h"
#include "store/FormPlacement.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // Widget tests run without a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    InitResources();
    InstallProgramFonts();
    // Windows remember their places in a scratch folder, not beside the test program.
    QTemporaryDir placements;
    SetPlacementDirectory(placements.path());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
