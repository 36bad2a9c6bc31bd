// The window tests run on Qt's offscreen platform inside one QApplication, with the windows placed as
// the tool places them.
#include <gtest/gtest.h>

#include <QApplication>

#include "gui/app/WindowPlacer.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The windows open where the tool puts them.
    CWindowPlacer placer;
    app.installEventFilter(&placer);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
