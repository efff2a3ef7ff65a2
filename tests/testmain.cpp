#include "app/DataModule.h"
#include "app/MainWindow.h"
#include "platform/Canvas.h"
#include "platform/Resources.h"
#include "store/FormPlacement.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The program's globals start every test as at program start, so a test
// that fails half-way cannot hand an open plan or a data module to the next.
class ResetGlobals : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { Reset(); }
    void OnTestEnd(const testing::TestInfo&) override { Reset(); }
    static void Reset() {
        PlanOpen = false;
        dm = nullptr;
    }
};

} // namespace

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
    testing::UnitTest::GetInstance()->listeners().Append(new ResetGlobals);
    return RUN_ALL_TESTS();
}
