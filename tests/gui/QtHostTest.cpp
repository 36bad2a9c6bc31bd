// The Qt host's message boxes: caption and icon by the style's icon bits, buttons by the button bits,
// and Enter answers the default button.
#include <gtest/gtest.h>

#include "gui/app/CQtHost.h"
#include "tests/gui/MessageBoxWatcher.h"

namespace {
struct SBoxCase {
    unsigned style;
    const char* caption;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton defaultButton;
    int enterResult;
};

const SBoxCase kBoxCases[] = {
    {0x10, "Alarm", QMessageBox::Critical, QMessageBox::Ok, 1},
    {0x30, "Warning", QMessageBox::Warning, QMessageBox::Ok, 1},
    {0x40, "Information", QMessageBox::Information, QMessageBox::Ok, 1},
    {0x124, "Confirmation", QMessageBox::Question, QMessageBox::No, 7},
    {0x134, "Warning", QMessageBox::Warning, QMessageBox::No, 7},
    {0x130, "Warning", QMessageBox::Warning, QMessageBox::Ok, 1},
    {0x24, "Confirmation", QMessageBox::Question, QMessageBox::Yes, 6},
};
}  // namespace

TEST(gui_QtHost, BoxLooksFollowTheStyleAndEnterAnswersTheDefaultButton) {
    for (const SBoxCase& c : kBoxCases) {
        SCOPED_TRACE(c.style);
        CQtHost host;
        CMessageBoxWatcher watcher;
        const int result = host.ShowMessageBox("Line one\r\nline two", c.style);
        ASSERT_EQ(watcher.seen.size(), 1u);
        EXPECT_EQ(watcher.seen[0].caption, c.caption);
        EXPECT_EQ(watcher.seen[0].icon, c.icon);
        EXPECT_EQ(watcher.seen[0].defaultButton, c.defaultButton);
        EXPECT_EQ(watcher.seen[0].text, "Line one\nline two");
        EXPECT_EQ(result, c.enterResult);
    }
}

TEST(gui_QtHost, YesAndNoButtonsAnswerSixAndSeven) {
    CQtHost host;
    CMessageBoxWatcher watcher;
    watcher.answers = {QMessageBox::Yes, QMessageBox::No};
    EXPECT_EQ(host.ShowMessageBox("first", 0x124), 6);
    EXPECT_EQ(host.ShowMessageBox("second", 0x124), 7);
}

TEST(gui_QtHost, ProgressGoesToTheProgressBar) {
    CQtHost host;
    QProgressBar bar;
    bar.setRange(0, 100);
    host.SetProgressBar(&bar);
    host.SetProgress(10);
    host.AdvanceProgress(15);
    EXPECT_EQ(bar.value(), 25);
    int pumps = 0;
    host.SetPumpHook([&pumps] { ++pumps; });
    host.ProcessPendingEvents();
    EXPECT_EQ(pumps, 1);
}

// The box's own text stays exactly as it is; what the tool knows more is the informative text below it.
TEST(gui_QtHost, DetailIsTheInformativeTextBelowTheBoxText) {
    CQtHost host;
    CMessageBoxWatcher watcher;
    EXPECT_EQ(host.ShowMessageBoxWithDetail("Communication port open error", 0x10,
                                            "Device: /dev/ttyUSB0\nNo such device"),
              1);
    EXPECT_EQ(host.ShowMessageBox("Communication port open error", 0x10), 1);
    ASSERT_EQ(watcher.seen.size(), 2u);
    EXPECT_EQ(watcher.seen[0].text, "Communication port open error");
    EXPECT_EQ(watcher.seen[0].informativeText, "Device: /dev/ttyUSB0\nNo such device");
    EXPECT_EQ(watcher.seen[1].text, "Communication port open error");
    EXPECT_EQ(watcher.seen[1].informativeText, "");
}
