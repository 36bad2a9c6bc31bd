// The main window built for each gateway type, and edits made through its widgets reaching the image
// and coming back in the rendered grid.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "core/app/StatusBarWidth.h"
#include "gui/advanced/TParaAndPIOForm.h"
#include "gui/app/QtText.h"
#include "tests/gui/MainWindowFixture.h"
#include "tests/gui/MessageBoxWatcher.h"

namespace {
std::vector<std::string> ItemTexts(const QMenu* menu) {
    std::vector<std::string> texts;
    for (const QAction* action : menu->actions()) texts.push_back(action->text().toStdString());
    return texts;
}

struct STypeCase {
    GwType type;
    bool grid1;
    bool grid2;
    bool driveUnits;
    bool tpBaudRate;
    bool helpMenu;
    bool alarmListItem;
    int axisRows;
    const char* pioItem;
};

const STypeCase kTypes[] = {
    {GW_KAVELIS, true, false, false, false, true, false, 16, "corresponding PIO &Pattern"},
    {GW_VOSK, true, false, false, false, true, true, 8, "corresponding Operation &Pattern"},
    {GW_VOSK_ML3, false, true, false, false, false, true, 8, "corresponding PIO &Pattern"},
    {GW_VOSK_LC, false, false, false, true, false, true, 0, "corresponding PIO &Pattern"},
    {GW_NUB3GW, true, false, false, false, true, true, 4, "corresponding PIO &Pattern"},
    {GW_DRAVO, false, false, true, false, true, true, 0, "corresponding PIO &Pattern"},
};

void ChooseByKeyboard(QComboBox* combo, int steps) {
    combo->setFocus();
    for (int i = 0; i < steps; ++i) QTest::keyClick(combo, Qt::Key_Down);
}

// A NUB3 GW set on EtherCAT at station address 5, shown in the active window.
void ShowEtherCatStation5(SMainWindowFixture& f) {
    f.session.core.image.Word(NTYP) = 0x0087;
    f.session.core.image.Word(DADR) = 5;
    f.controller->RefreshDisplay();
    f.window->Render();
    f.window->activateWindow();
    QApplication::setActiveWindow(f.window.get());
}

}  // namespace

TEST(gui_MainWindow, FrameMenusAndAxisAreaFollowTheGatewayType) {
    for (const STypeCase& c : kTypes) {
        SCOPED_TRACE(c.type);
        SMainWindowFixture f(c.type);
        TGWParaCfgForm& w = *f.window;
        EXPECT_EQ(w.windowTitle().toStdString(), "Parameter Configuration Tool for Orvane GateWay Unit");
        EXPECT_EQ(w.font().family(), "Courier New");

        std::vector<std::string> tops;
        for (const QAction* a : w.menuBar()->actions()) tops.push_back(a->text().toStdString());
        EXPECT_EQ(tops, (std::vector<std::string>{"&File", "&Setting", "&Monitor", "&Help"}));
        EXPECT_EQ(ItemTexts(f.Find<QMenu>("MenuFile1")),
                  (std::vector<std::string>{"&New file", "&Open...", "&Save", "", "Compare with &unit...",
                                            "Compare with &file...", "", "E&xit"}));
        EXPECT_EQ(ItemTexts(f.Find<QMenu>("MenuSet1")),
                  (std::vector<std::string>{"&Specialty Parameter", "Port &Config", "TimeSetting(&T)",
                                            "Unit No.(&U)", "EtherNet/IP Setting(&I)",
                                            "Driver Monitor Parameter Setting(&D)", "Check co&nnection..."}));
        EXPECT_EQ(ItemTexts(f.Find<QMenu>("MenuMoniter1")),
                  (std::vector<std::string>{"&I/O data", "&All axis I/O", "&Diagnostic Information",
                                            "&RS485SIO TEST", "AlarmList(&L)", "Hardware Monitor(&H)", "",
                                            "Traffic Monitor"}));
        EXPECT_EQ(ItemTexts(f.Find<QMenu>("MenuHelp1")), (std::vector<std::string>{c.pioItem}));
        EXPECT_EQ(f.Find<QMenu>("MenuHelp1")->menuAction()->isVisible(), c.helpMenu);
        EXPECT_EQ(f.Find<QAction>("MenuAlarmlist")->isVisible(), c.alarmListItem);
        // Before a read the monitors are locked; the menu opens only for the traffic monitor.
        for (const QAction* item : f.Find<QMenu>("MenuMoniter1")->actions())
            EXPECT_EQ(item->isEnabled(), item->objectName() == "MenuTrafficMonitor")
                << item->objectName().toStdString();

        for (const char* name : {"tbNewFile", "tbOpenFile", "tbSaveFile"}) {
            const auto* button = f.Find<QAction>(name);
            EXPECT_TRUE(button->isVisible()) << name;
            EXPECT_FALSE(button->icon().isNull()) << name;
            EXPECT_FALSE(button->toolTip().isEmpty()) << name;
        }
        EXPECT_FALSE(f.Find<QAction>("ToolButton2")->isVisible());
        EXPECT_EQ(f.Find<QPushButton>("Button1")->text(), "Port Config");
        EXPECT_EQ(f.Find<QPushButton>("Button2")->text(), "Read");
        EXPECT_EQ(f.Find<QPushButton>("Button3")->text(), "Write");

        auto* grid1 = f.Find<QTableWidget>("StringGrid1");
        EXPECT_EQ(grid1->isVisible(), c.grid1);
        EXPECT_EQ(f.Find<QTableWidget>("StringGrid2")->isVisible(), c.grid2);
        EXPECT_EQ(f.Find<QWidget>("gbDriveUnit0") != nullptr && f.Find<QWidget>("gbDriveUnit0")->isVisible(),
                  c.driveUnits);
        EXPECT_EQ(f.Find<QComboBox>("cbTBPS")->isVisible(), c.tpBaudRate);
        if (c.grid1) {
            EXPECT_EQ(grid1->columnCount(), 7);
            EXPECT_EQ(grid1->rowCount(), c.axisRows + 1);
            EXPECT_EQ(grid1->item(0, 0)->textAlignment(), Qt::AlignCenter);
        }

        bool versionShown = false;
        for (const QLabel* panel : w.statusBar()->findChildren<QLabel*>())
            versionShown = versionShown || panel->text() == "2.0.0.0";
        EXPECT_TRUE(versionShown);
    }
}

TEST(gui_MainWindow, VoskGridClicksEditTheImageAndTheCellsFollow) {
    SMainWindowFixture f(GW_VOSK);
    auto* grid = f.Find<QTableWidget>("StringGrid1");
    const auto& words = f.session.core.image.AxisMode;

    ChooseByKeyboard(f.Find<QComboBox>("cbW1N"), 1);  // one pair of axes
    EXPECT_EQ(f.session.core.image.AxisCount, 2);
    EXPECT_EQ(f.CellText(grid, 2, 1), " ");
    EXPECT_EQ(f.CellText(grid, 2, 3), "-");

    f.ClickCell(grid, 2, 1);  // Point1 for the pair
    EXPECT_EQ(words[0], 0x0001);
    EXPECT_EQ(words[1], 0x0001);
    EXPECT_EQ(f.CellText(grid, 2, 1), "*");
    EXPECT_EQ(f.CellText(grid, 2, 2), "*");

    f.ClickCell(grid, 2, 2);  // reserve the second axis
    EXPECT_EQ(words[1], 0x8001);
    EXPECT_EQ(f.CellText(grid, 2, 2), "(*)");

    f.ClickCell(grid, 0, 1);  // the slot column does nothing
    f.ClickCell(grid, 3, 0);  // nor does the title row
    EXPECT_EQ(words[0], 0x0001);
    EXPECT_EQ(words[1], 0x8001);
}

TEST(gui_MainWindow, DoubleClickAppliesTheClickRuleTwice) {
    SMainWindowFixture f(GW_VOSK);
    auto* grid = f.Find<QTableWidget>("StringGrid1");
    ChooseByKeyboard(f.Find<QComboBox>("cbW1N"), 1);
    ASSERT_EQ(f.session.core.image.AxisMode[0], 0x5FFF);

    f.DoubleClickCell(grid, 1, 1);  // 5FFFh -> Simple for the pair -> Simple reserved on this slot
    EXPECT_EQ(f.session.core.image.AxisMode[0], 0x8000);
    EXPECT_EQ(f.session.core.image.AxisMode[1], 0x0000);
    EXPECT_EQ(f.CellText(grid, 1, 1), "(*)");
    EXPECT_EQ(f.CellText(grid, 1, 2), "*");
}

TEST(gui_MainWindow, KavelisSlotCombosAndGridColours) {
    SMainWindowFixture f(GW_KAVELIS);
    auto* grid = f.Find<QTableWidget>("StringGrid1");
    ChooseByKeyboard(f.Find<QComboBox>("cbW4N"), 2);
    EXPECT_EQ(f.session.core.image.Word(W4N), 2);
    EXPECT_EQ(f.CellText(grid, 1, 1), " ");
    EXPECT_EQ(f.CellText(grid, 4, 1), "-");

    f.ClickCell(grid, 2, 1);
    EXPECT_EQ(f.session.core.image.AxisMode[0], 0x0001);
    EXPECT_EQ(f.CellText(grid, 2, 1), "*");
    EXPECT_EQ(f.session.core.image.AxisMode[1], 0x3FFF);

    // The Full column's text is grey, the others black; the title row is grey, mode cells white.
    EXPECT_EQ(grid->item(1, 3)->foreground().color(), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(grid->item(1, 2)->foreground().color(), QColor(Qt::black));
    EXPECT_NE(grid->item(0, 2)->background().color(), QColor(Qt::white));
    EXPECT_EQ(grid->item(1, 2)->background().color(), QColor(Qt::white));
}

TEST(gui_MainWindow, DravoDriveUnitPanelsForwardModeListsAndRadioButtons) {
    SMainWindowFixture f(GW_DRAVO);
    auto* remoteIo = f.Find<QRadioButton>("rbRemIO");
    ASSERT_NE(remoteIo, nullptr);
    QTest::mouseClick(remoteIo, Qt::LeftButton);
    EXPECT_EQ(f.session.core.image.DravoMode, 2);
    auto* unit0 = f.Find<QComboBox>("cbAxisCtrl0");
    ASSERT_NE(unit0, nullptr);
    ASSERT_EQ(unit0->count(), 2);
    EXPECT_EQ(unit0->itemText(1), "RemoteI/O(Size:1W)");
    EXPECT_FALSE(f.Find<QComboBox>("cbAxisCtrl1")->isEnabled());

    ChooseByKeyboard(unit0, 1);
    EXPECT_EQ(f.session.core.image.AxisMode[0], 0x0031);
    EXPECT_EQ(f.session.core.image.AxisMode[1], 0x0031);
    EXPECT_TRUE(f.Find<QComboBox>("cbAxisCtrl1")->isEnabled());

    auto* reserve = f.Find<QAbstractButton>("chkRsvAxis0_1");
    ASSERT_NE(reserve, nullptr);
    QTest::mouseClick(reserve, Qt::LeftButton);
    EXPECT_EQ(f.session.core.image.AxisMode[1], 0x8031);
    EXPECT_TRUE(reserve->isChecked());
}

TEST(gui_MainWindow, SeveralDroppedFilesAreRefused) {
    SMainWindowFixture f(GW_VOSK);
    CMessageBoxWatcher watcher;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/tmp/a.vogw"), QUrl::fromLocalFile("/tmp/b.vogw")});
    QDragEnterEvent enter(QPoint(20, 80), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 80), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.window.get(), &drop);
    ASSERT_EQ(watcher.seen.size(), 1u);
    EXPECT_EQ(watcher.seen[0].text, "Please choose a file only one.");
    EXPECT_EQ(watcher.seen[0].caption, "Alarm");
}

TEST(gui_MainWindow, CloseAsksAboutUntransmittedChanges) {
    SMainWindowFixture f(GW_VOSK);
    f.session.core.form.flags.unitNoModified = true;
    CMessageBoxWatcher watcher;
    f.window->close();  // Enter answers No: the program keeps running
    ASSERT_EQ(watcher.seen.size(), 1u);
    EXPECT_EQ(watcher.seen[0].caption, "Confirmation");
    EXPECT_EQ(watcher.seen[0].text.rfind("Parameters are modified.\nDo you wish to exit", 0), 0u);
    EXPECT_TRUE(f.window->isVisible());

    watcher.answers = {QMessageBox::Yes};
    f.window->close();
    EXPECT_FALSE(f.window->isVisible());
}

// An edit marks the title; closing then asks Save / Discard / Cancel: Cancel keeps the program running,
// Discard ends it.
TEST(gui_MainWindow, UnsavedEditsMarkTheTitleAndAreAskedAboutOnClose) {
    SMainWindowFixture f(GW_NUB3GW);
    ShowEtherCatStation5(f);
    const QString title = f.window->windowTitle();
    auto* edit = f.Find<QLineEdit>("edDADR");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "300");
    f.Find<QPushButton>("Button1")->setFocus();
    ASSERT_EQ(f.session.core.image.Word(DADR), 300);
    EXPECT_EQ(f.window->windowTitle(), title + " *");

    CMessageBoxWatcher watcher;
    watcher.answers = {QMessageBox::Cancel};
    f.window->close();
    ASSERT_EQ(watcher.seen.size(), 1u);
    EXPECT_EQ(watcher.seen[0].text, "The parameters have been changed and not saved.\nDo you want to save them?");
    EXPECT_EQ(watcher.seen[0].caption, "Confirmation");
    EXPECT_EQ(watcher.seen[0].defaultButton, QMessageBox::Save);
    EXPECT_TRUE(f.window->isVisible());

    watcher.answers = {QMessageBox::Discard};
    f.window->close();
    EXPECT_EQ(watcher.seen.size(), 2u);
    EXPECT_FALSE(f.window->isVisible());
}

TEST(gui_MainWindow, LockDisablesControlsAndFileMenu) {
    SMainWindowFixture f(GW_NUB3GW);
    LockMainWindow(f.session.core, false);
    f.controller->AfterEvent();
    EXPECT_FALSE(f.Find<QPushButton>("Button2")->isEnabled());
    EXPECT_FALSE(f.Find<QMenu>("MenuFile1")->menuAction()->isEnabled());
    EXPECT_FALSE(f.Find<QToolBar>("ToolBar")->isEnabled());
    LockMainWindow(f.session.core, true);
    f.controller->AfterEvent();
    EXPECT_TRUE(f.Find<QPushButton>("Button2")->isEnabled());
    EXPECT_TRUE(f.Find<QMenu>("MenuFile1")->menuAction()->isEnabled());
}

TEST(gui_MainWindow, EtherCatAddressKeysAndExitGoThroughTheAddressRules) {
    SMainWindowFixture f(GW_NUB3GW);
    ShowEtherCatStation5(f);
    auto* edit = f.Find<QLineEdit>("edDADR");
    ASSERT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->text(), "5");

    edit->setFocus();
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Backspace);  // would empty the field: "0" instead
    EXPECT_EQ(edit->text(), "0");
    QTest::keyClicks(edit, "7x0000");  // the lone 0 gives way, letters are swallowed, five digits at most
    EXPECT_EQ(edit->text(), "70000");

    CMessageBoxWatcher watcher;
    f.Find<QPushButton>("Button1")->setFocus();  // leaving the field checks the address
    ASSERT_EQ(watcher.seen.size(), 1u);
    EXPECT_EQ(watcher.seen[0].text, "Address Error\nPlease set under 65535.");
    EXPECT_EQ(watcher.seen[0].caption, "Alarm");
    EXPECT_EQ(edit->text(), "5");
    EXPECT_EQ(f.session.core.image.Word(DADR), 5);

    QApplication::setActiveWindow(f.window.get());  // the box took the activation
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "300");
    f.Find<QPushButton>("Button1")->setFocus();
    EXPECT_EQ(f.session.core.image.Word(DADR), 300);
    EXPECT_EQ(watcher.seen.size(), 1u);
}

TEST(gui_MainWindow, NewFileDialogReplacesTheImageWithTheChosenNetwork) {
    SMainWindowFixture f(GW_VOSK);
    f.session.core.image.AxisMode[0] = 0x0001;
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != "NewFileForm" || !w->isVisible()) continue;
            auto* list = w->findChild<QComboBox*>("cbNetworkType");
            list->setCurrentIndex(list->findText("CC-Link"));
            QTest::mouseClick(w->findChild<QPushButton*>("bOK"), Qt::LeftButton);
        }
    });
    f.Find<QAction>("tbNewFile")->trigger();
    EXPECT_EQ(f.session.core.image.Word(NTYP), 0xFF90);  // CC-Link as the VOSK family codes it
    EXPECT_EQ(f.session.core.image.AxisMode[0], 0xFFFF);
    EXPECT_EQ(f.Find<QLabel>("linpNTYP")->text(), "CC-Link");
    EXPECT_EQ(f.Find<QLabel>("Label1")->text(), "Mode");
}

TEST(gui_MainWindow, PioPatternWindowFromTheHelpMenuStoresTheTypesHideBit) {
    SMainWindowFixture f(GW_VOSK, TOOLFLAG_VALID | 0x11);
    std::string caption;
    QTimer::singleShot(0, [&caption] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != "ParaAndPIOForm" || !w->isVisible()) continue;
            caption = w->windowTitle().toStdString();
            w->findChild<QCheckBox*>("chkShowPIOpatern")->click();
            QTest::mouseClick(w->findChild<QPushButton*>("OKbutton"), Qt::LeftButton);
        }
    });
    f.Find<QAction>("MenuPIO1")->trigger();
    EXPECT_EQ(caption, "Corresponding Operation Pattern");
    EXPECT_EQ(f.session.core.program.Comm.ToolFlags, TOOLFLAG_VALID | 0x11 | 0x04);
}

TEST(gui_MainWindow, StatusBarPanelsAreShownInFullWithTheMacPanel) {
    SMainWindowFixture f(GW_VOSK_LC);
    f.session.core.image.Word(NTYP) = 0x0084;  // PROFINET IO adds the MAC ID panel
    f.controller->RefreshDisplay();
    f.window->Render();
    QApplication::processEvents();
    const auto panels = f.window->statusBar()->findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 3);
    for (const QLabel* panel : panels) {
        EXPECT_GE(panel->width(), panel->fontMetrics().horizontalAdvance(panel->text()))
            << panel->text().toStdString();
        EXPECT_TRUE(f.window->statusBar()->rect().contains(panel->geometry())) << panel->text().toStdString();
    }
}

// Every type's window keeps room in its status bar for any port and speed beside the version, however
// narrow its controls: the VOSK-LC window, which has no axis area, is as wide as the rule asks.
TEST(gui_MainWindow, StatusBarWidthRuleHoldsForEveryType) {
    for (const STypeCase& c : kTypes) {
        SCOPED_TRACE(c.type);
        SMainWindowFixture f(c.type);
        QStatusBar* bar = f.window->statusBar();
        const QFontMetrics metrics(bar->font());
        const QString version = ToQt(f.session.core.form.StatusBar1.back().text);
        const SStatusBarWidths rule = StatusBarWidthRule(metrics.horizontalAdvance(version),
                                                         metrics.horizontalAdvance(QLatin1Char('W')));
        EXPECT_GE(f.window->centralWidget()->width(), rule.minClientWidth);
        const auto* portPanel = bar->findChild<QLabel*>("StatusBar1Panel0");
        ASSERT_NE(portPanel, nullptr);
        EXPECT_GE(portPanel->width(), rule.portPanelWidth);
        if (c.type == GW_VOSK_LC) {  // no axis area: the parameter column takes the whole width
            EXPECT_GE(f.Find<QWidget>("pnlParameters")->geometry().right() + 20,
                      f.window->centralWidget()->width());
        }
    }
}

// After Read and Write the keyboard focus is on the button of the transfer, also when it failed (here
// the port cannot be opened, and the write is declined), wherever the focus was before.
TEST(gui_MainWindow, FocusGoesToTheTransfersButtonAfterwards) {
    SMainWindowFixture f(GW_VOSK);
    f.session.core.link.SetPortOverrides({{1, "/nonexistent/gwparacfg-port"}});
    auto* grid = f.Find<QWidget>("StringGrid1");
    const struct {
        const char* button;
        QMessageBox::StandardButton answer;
    } cases[] = {{"Button2", QMessageBox::Ok}, {"Button3", QMessageBox::No}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        CMessageBoxWatcher watcher;
        watcher.answers = {c.answer};
        grid->setFocus();
        ASSERT_EQ(f.window->focusWidget(), grid);
        f.Find<QPushButton>(c.button)->click();
        EXPECT_EQ(watcher.seen.size(), 1u);
        EXPECT_EQ(f.window->focusWidget(), f.Find<QPushButton>(c.button));
    }
}

// The PIO pattern table lays every column out at one width and every row at one height, however long
// each column's texts are.
TEST(gui_ParaAndPIOForm, AllColumnsShareOneWidthAndAllRowsOneHeight) {
    for (GwType type : {GW_KAVELIS, GW_VOSK, GW_NUB3GW, GW_DRAVO}) {
        SCOPED_TRACE(type);
        std::uint32_t flags = TOOLFLAG_VALID;
        TParaAndPIOForm form(type, flags);
        auto* grid = form.findChild<QTableWidget*>("StringGrid1");
        ASSERT_NE(grid, nullptr);
        const QFontMetrics metrics(grid->font());
        int widest = metrics.horizontalAdvance(PIO_WIDTH_SAMPLE);
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int col = 0; col < grid->columnCount(); ++col)
                widest = std::max(widest, metrics.horizontalAdvance(grid->item(row, col)->text()));
        for (int col = 0; col < grid->columnCount(); ++col)
            EXPECT_EQ(grid->columnWidth(col), widest + 18) << col;
        const int rowHeight = (3 * metrics.boundingRect(PIO_HEIGHT_SAMPLE).height() + 1) / 2;
        for (int row = 0; row < grid->rowCount(); ++row) EXPECT_EQ(grid->rowHeight(row), rowHeight) << row;
    }
}

// The tool buttons' tips are the menu captions of the text tables; New, Open and Save have the
// standard keys, which a transfer's lock takes away with the File menu; the fixed-size window offers
// no maximise button.
TEST(gui_MainWindow, ToolTipsShortcutsAndTitleBarButtons) {
    SMainWindowFixture f(GW_KAVELIS);
    EXPECT_EQ(f.Find<QAction>("tbNewFile")->toolTip(), "New file");
    EXPECT_EQ(f.Find<QAction>("tbOpenFile")->toolTip(), "Open...");
    EXPECT_EQ(f.Find<QAction>("tbSaveFile")->toolTip(), "Save");
    EXPECT_EQ(f.Find<QAction>("MenuNew1")->shortcut(), QKeySequence(QKeySequence::New));
    EXPECT_EQ(f.Find<QAction>("MenuOpen1")->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(f.Find<QAction>("MenuSave1")->shortcut(), QKeySequence(QKeySequence::Save));
    // The title bar's buttons are chosen (not the system's defaults, which include maximise).
    const Qt::WindowFlags flags = f.window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));

    LockMainWindow(f.session.core, false);
    f.window->Render();
    for (const char* name : {"MenuNew1", "MenuOpen1", "MenuSave1"})
        EXPECT_FALSE(f.Find<QAction>(name)->isEnabled()) << name;
    LockMainWindow(f.session.core, true);
    f.window->Render();
    for (const char* name : {"MenuNew1", "MenuOpen1", "MenuSave1"})
        EXPECT_TRUE(f.Find<QAction>(name)->isEnabled()) << name;
}

// The axis grids are stops of the Tab order; the arrow keys move the current cell (never into the
// title row or the slot column) and Space acts as a click on it.
TEST(gui_MainWindow, AxisGridsWorkFromTheKeyboard) {
    CMessageBoxWatcher boxes;  // should any field the Tab key passes complain
    SMainWindowFixture f(GW_VOSK);
    auto* grid = f.Find<QTableWidget>("StringGrid1");
    const auto& words = f.session.core.image.AxisMode;
    ChooseByKeyboard(f.Find<QComboBox>("cbW1N"), 1);  // one pair of axes
    f.Find<QPushButton>("Button1")->setFocus();
    for (int i = 0; i < 40 && f.window->focusWidget() != grid; ++i)
        QTest::keyClick(f.window->focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(f.window->focusWidget(), grid) << "Tab reaches the grid";
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 1);

    QTest::keyClick(grid, Qt::Key_Right);  // Point1 column
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(words[0], 0x0001);
    EXPECT_EQ(f.CellText(grid, 2, 1), "*");
    QTest::keyClick(grid, Qt::Key_Down);  // the second axis of the pair: reserved
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(words[1], 0x8001);
    for (int i = 0; i < 3; ++i) QTest::keyClick(grid, Qt::Key_Up);  // stops below the title row
    QTest::keyClick(grid, Qt::Key_Left);
    QTest::keyClick(grid, Qt::Key_Left);  // stops right of the slot column
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 1);
    EXPECT_EQ(f.window->focusWidget(), grid);

    SMainWindowFixture servo(GW_VOSK_ML3);
    EXPECT_EQ(servo.Find<QTableWidget>("StringGrid2")->focusPolicy(), Qt::StrongFocus);
}
