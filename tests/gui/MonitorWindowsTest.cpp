// The register and axis monitor windows driven through their widgets against a simulated gateway on a
// pseudo-terminal, and the Monitor menu opening them from the main window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "gui/monitors/TAxisMonitorForm.h"
#include "gui/monitors/TRegMoniterForm.h"
#include "sim/SimPtyServer.h"
#include "tests/gui/MainWindowFixture.h"
#include "tests/support/ScriptedHost.h"

namespace {

constexpr int SIM_COM = 3;

SSimConfig SimConfigOf(GwType type) {
    SSimConfig config;
    config.type = type;
    config.axes = 8;
    return config;
}

class gui_MonitorOnSim : public ::testing::Test {
protected:
    void Serve(GwType type) {
        sim = std::make_unique<CSimPtyServer>(SimConfigOf(type));
        ASSERT_EQ(sim->Start(), 0);
        session.link.SetPortOverrides({{SIM_COM, sim->DevicePath()}});
        session.link.SetResponseTimeout(400);
        session.program.SelectedGwType = type;
        session.program.GwSlaveAddress = type == GW_KAVELIS ? 0x3F : 0xD0;
        session.program.Comm.CurrentPortNum = SIM_COM;
        ASSERT_EQ(session.OpenPortIfClosed(), 0);
        session.form.MenuMoniter1.enabled = true;
    }
    void TearDown() override { session.link.Close(); }
    std::size_t Requests() {
        return sim->WithCore([](CGwSimCore& core) { return core.RequestLog().size(); });
    }
    std::uint16_t UnitRegister(std::uint16_t address) {
        return sim->WithCore([&](CGwSimCore& core) { return core.Register(0, address); });
    }

    ScriptedHost host;
    CSession session{host};
    std::unique_ptr<CSimPtyServer> sim;
};

// Opens the entry field over data row `row` of the left grid by a double click, types `keys` and Enter.
void EditCell(TRegMoniterForm& window, int row, const QString& keys, const char* editor) {
    auto* grid = window.findChild<QTableWidget*>("StringGrid1");
    SMainWindowFixture::DoubleClickCell(grid, 1, row);
    auto* edit = window.findChild<QLineEdit*>(editor);
    ASSERT_TRUE(edit->isVisible()) << editor;
    for (QChar c : keys) QTest::keyClick(edit, c.toLatin1());
    QTest::keyClick(edit, Qt::Key_Return);
}

TEST_F(gui_MonitorOnSim, TestModeEditInHexAndBinReachesTheUnit) {
    Serve(GW_VOSK);
    session.form.flags.rs485SioMode = true;
    TRegMoniterForm window(session);
    window.show();
    window.Timer1Timer();
    EXPECT_EQ(SMainWindowFixture::CellText(window.findChild<QTableWidget*>("StringGrid1"), 1, 3), "0202");

    QTest::mouseClick(window.findChild<QRadioButton*>("rbWrite"), Qt::LeftButton);
    EditCell(window, 3, "beXg3f", "edSetRegister");
    EXPECT_EQ(window.State().writeImage600[2], 0xBE3F) << "only hex digits, lower case taken as upper";
    EXPECT_FALSE(window.findChild<QLineEdit*>("edSetRegister")->isVisible());

    window.findChild<QComboBox*>("cbHEXorBIN")->setCurrentIndex(1);
    window.Timer1Timer();
    EXPECT_EQ(SMainWindowFixture::CellText(window.findChild<QTableWidget*>("StringGrid1"), 1, 3),
              "1011 1110 0011 1111");
    EditCell(window, 4, "0000a1", "edBinSetRegister");  // 0303h: the first group becomes 0000, then 1
    EXPECT_EQ(window.State().writeImage600[3], 0x0B03);

    auto* write = window.findChild<QPushButton*>("WriteButton");
    ASSERT_TRUE(write->isEnabled());
    QTest::mouseClick(write, Qt::LeftButton);
    window.Timer1Timer();
    EXPECT_EQ(UnitRegister(0xF602), 0xBE3F);
    EXPECT_EQ(UnitRegister(0xF603), 0x0B03);
    ASSERT_FALSE(host.boxes.empty());
}

// Escape in either entry field ends the entry and keeps the value; the window and its unsent edits stay.
// A second click on the chosen Write button changes nothing.
TEST_F(gui_MonitorOnSim, EscapeEndsTheEntryOnlyAndWriteClickedAgainKeepsTheEdits) {
    Serve(GW_VOSK);
    session.form.flags.rs485SioMode = true;
    TRegMoniterForm window(session);
    window.show();
    window.Timer1Timer();
    auto* rbWrite = window.findChild<QRadioButton*>("rbWrite");
    QTest::mouseClick(rbWrite, Qt::LeftButton);
    EditCell(window, 3, "beef", "edSetRegister");
    ASSERT_EQ(window.State().writeImage600[2], 0xBEEF);

    for (const char* editor : {"edSetRegister", "edBinSetRegister"}) {
        window.findChild<QComboBox*>("cbHEXorBIN")->setCurrentIndex(editor == std::string("edSetRegister") ? 0 : 1);
        SMainWindowFixture::DoubleClickCell(window.findChild<QTableWidget*>("StringGrid1"), 1, 2);
        auto* edit = window.findChild<QLineEdit*>(editor);
        ASSERT_TRUE(edit->isVisible()) << editor;
        QTest::keyClick(edit, Qt::Key_1);
        QTest::keyClick(edit, Qt::Key_Escape);
        EXPECT_TRUE(window.isVisible()) << editor;
        EXPECT_FALSE(edit->isVisible()) << editor;
        EXPECT_EQ(window.State().writeImage600[1], 0x0101) << editor;
        EXPECT_TRUE(window.findChild<QPushButton*>("WriteButton")->isEnabled()) << editor;
    }

    const std::size_t before = Requests();
    QTest::mouseClick(rbWrite, Qt::LeftButton);
    EXPECT_EQ(Requests(), before) << "the chosen button reads nothing again";
    EXPECT_EQ(window.State().writeImage600[2], 0xBEEF);
}

// Line and page scrolling pause polling until the mouse is released, as dragging the thumb does; without
// SYNC Scroll the moved scroll bar's grid takes the focus.
TEST_F(gui_MonitorOnSim, ScrollBarOperationsPausePollingAndFocusTheirGrid) {
    Serve(GW_VOSK);
    TRegMoniterForm window(session);
    window.show();
    auto* grid1 = window.findChild<QTableWidget*>("StringGrid1");
    auto* grid2 = window.findChild<QTableWidget*>("StringGrid2");
    auto* bar = window.findChild<QScrollBar*>("ScrollBar2");
    struct SPress {
        const char* what;
        QPoint at;
        int position;
    };
    const SPress presses[] = {
        {"the lower arrow", QPoint(bar->width() / 2, bar->height() - 3), 1},
        {"the trough below the thumb", QPoint(bar->width() / 2, bar->height() - bar->width() - 6), 17},
    };
    for (const SPress& press : presses) {
        grid1->setFocus();
        QTest::mousePress(bar, Qt::LeftButton, {}, press.at);
        EXPECT_TRUE(window.State().scrolling) << press.what;
        EXPECT_EQ(window.State().ScrollBar2.position, press.position) << press.what;
        EXPECT_EQ(window.focusWidget(), grid2) << press.what;
        const std::size_t before = Requests();
        window.Timer1Timer();
        EXPECT_EQ(Requests(), before) << press.what << ": no poll while the button is held";
        QTest::mouseRelease(bar, Qt::LeftButton, {}, press.at);
        EXPECT_FALSE(window.State().scrolling) << press.what;
    }

    QTest::mouseClick(window.findChild<QCheckBox*>("chkSyncScroll"), Qt::LeftButton);
    ASSERT_TRUE(window.State().syncScroll);
    grid1->setFocus();
    bar->setValue(40);
    EXPECT_EQ(window.State().ScrollBar1.position, 40);
    EXPECT_EQ(window.focusWidget(), grid1) << "with SYNC Scroll the focus stays";
}

// A new cycle takes effect at once, not after the next tick; the scroll bars sit against their grids.
TEST_F(gui_MonitorOnSim, NewCycleAtOnceAndScrollBarsAgainstTheirGrids) {
    Serve(GW_VOSK);
    session.form.flags.rs485SioMode = true;  // the wider row of controls below the grids
    TRegMoniterForm window(session);
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.Timer().interval(), 500);
    window.findChild<QComboBox*>("cbCycle")->setCurrentIndex(0);
    EXPECT_EQ(window.Timer().interval(), 100);
    EXPECT_TRUE(window.Timer().isActive());

    for (auto [gridName, barName] : {std::pair{"StringGrid1", "ScrollBar1"}, std::pair{"StringGrid2", "ScrollBar2"}}) {
        const QRect grid = window.findChild<QTableWidget*>(gridName)->geometry();
        const QRect bar = window.findChild<QScrollBar*>(barName)->geometry();
        EXPECT_GE(bar.left() - grid.right() - 1, 0) << barName;
        EXPECT_LE(bar.left() - grid.right() - 1, 4) << barName << " stands off its grid";
        EXPECT_EQ(bar.top(), grid.top() + 2) << barName;
        EXPECT_EQ(bar.height(), grid.height() - 4) << barName;
    }
    const QRect heading = window.findChild<QLabel*>("pPLCToZUNA")->geometry();
    EXPECT_EQ(heading.right(), window.findChild<QScrollBar*>("ScrollBar1")->geometry().right())
        << "the heading spans its grid and scroll bar, no more";
}

TEST_F(gui_MonitorOnSim, ADoubleClickInTheHexFieldSelectsNothing) {
    Serve(GW_VOSK);
    session.form.flags.rs485SioMode = true;
    TRegMoniterForm window(session);
    window.show();
    window.Timer1Timer();
    QTest::mouseClick(window.findChild<QRadioButton*>("rbWrite"), Qt::LeftButton);
    SMainWindowFixture::DoubleClickCell(window.findChild<QTableWidget*>("StringGrid1"), 1, 2);
    auto* edit = window.findChild<QLineEdit*>("edSetRegister");
    ASSERT_TRUE(edit->isVisible());
    QTest::mouseDClick(edit, Qt::LeftButton, {}, edit->rect().center());
    EXPECT_TRUE(edit->selectedText().isEmpty());
    EXPECT_EQ(edit->text(), "0101");
}

TEST_F(gui_MonitorOnSim, MonitorModeOffersNoEditing) {
    Serve(GW_KAVELIS);
    TRegMoniterForm window(session);
    window.show();
    QApplication::processEvents();
    EXPECT_FALSE(window.findChild<QRadioButton*>("rbWrite")->isVisible());
    EXPECT_FALSE(window.findChild<QPushButton*>("WriteButton")->isVisible());
    EXPECT_TRUE(window.findChild<QLabel*>("lF600h")->isVisible());
    SMainWindowFixture::DoubleClickCell(window.findChild<QTableWidget*>("StringGrid1"), 1, 2);
    EXPECT_FALSE(window.findChild<QLineEdit*>("edSetRegister")->isVisible());
}

TEST_F(gui_MonitorOnSim, AFailedPollClosesTheRegisterMonitor) {
    Serve(GW_VOSK);
    TRegMoniterForm window(session);
    window.show();
    sim->WithCore([](CGwSimCore& core) { core.Faults().silent = true; });
    window.Timer1Timer();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_FALSE(session.form.MenuMoniter1.enabled);
}

TEST_F(gui_MonitorOnSim, AxisMonitorShowsTheUnitsAxesAndSwitchesDirection) {
    Serve(GW_KAVELIS);
    SAxisMonitorFormState state;
    ASSERT_EQ(CreateAxisMonitorForm(session, state), 0);
    TAxisMonitorForm window(session, std::move(state));
    window.show();
    window.Timer1Timer();
    auto* grid = window.findChild<QTableWidget*>("StringGrid1");
    EXPECT_EQ(grid->rowCount(), 9);
    EXPECT_EQ(SMainWindowFixture::CellText(grid, 5, 2), "10000");
    const int width = grid->width();
    QTest::mouseClick(window.findChild<QRadioButton*>("RadioButton2"), Qt::LeftButton);
    EXPECT_EQ(SMainWindowFixture::CellText(grid, 5, 0), "Location");
    EXPECT_EQ(grid->width(), width) << "the columns fit both directions";
    window.findChild<QComboBox*>("cbMonitorSpeed")->setCurrentIndex(0);
    EXPECT_EQ(window.State().poll.timerInterval, 100);
}

// The Monitor menu item opens the register monitor modally: the progress bar's maximum is 0 while it
// is open and 100 again afterwards.
TEST(gui_MonitorMenu, RegisterMonitorOpensFromTheMenu) {
    SMainWindowFixture f(GW_VOSK);
    CSimPtyServer sim(SimConfigOf(GW_VOSK));
    ASSERT_EQ(sim.Start(), 0);
    f.session.core.link.SetPortOverrides({{1, sim.DevicePath()}});
    f.session.core.form.MenuMoniter1.enabled = true;
    f.window->Render();
    int maxWhileOpen = -1;
    bool opened = false;
    QTimer::singleShot(300, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != "RegMoniterForm" || !w->isVisible()) continue;
            opened = true;
            maxWhileOpen = f.Find<QProgressBar>("ProgressBar1")->maximum();
            w->close();
        }
    });
    f.window->findChild<QAction*>("MenuRegMoniter1")->trigger();
    EXPECT_TRUE(opened);
    EXPECT_EQ(maxWhileOpen, 0);
    EXPECT_EQ(f.Find<QProgressBar>("ProgressBar1")->maximum(), 100);
    f.session.core.link.Close();
}

}  // namespace
