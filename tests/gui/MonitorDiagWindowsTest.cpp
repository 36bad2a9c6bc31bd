// The alarm list, diagnostic counters and hardware monitor windows, driven through their widgets
// against a simulated unit on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "core/app/texts/MsgText.h"
#include "core/procedures/Session.h"
#include "gui/app/CQtHost.h"
#include "gui/app/QtText.h"
#include "gui/monitors/TAlarmListForm.h"
#include "gui/monitors/TErrTC_MoniterForm.h"
#include "gui/monitors/THardwareMonitorForm.h"
#include "sim/SimPtyServer.h"
#include "tests/files/FileTestSupport.h"
#include "tests/gui/MessageBoxWatcher.h"

namespace {

constexpr int kSimCom = 5;
constexpr int kWaitMs = 10000;

// Waits, processing events, until `condition` holds; false when it did not within the time allowed.
// (Qt Test's QTRY macros report to Qt Test, not to GoogleTest, so they are not used here.)
template <class F>
bool Eventually(F condition) {
    return QTest::qWaitFor(condition, kWaitMs);
}

class MonitorWindowOnSim : public testing::Test {
protected:
    void Start(GwType type, bool extendedMode = false) {
        SSimConfig config;
        config.type = type;
        sim = std::make_unique<CSimPtyServer>(config);
        ASSERT_EQ(sim->Start(), 0);
        session.link.SetPortOverrides({{kSimCom, sim->DevicePath()}});
        session.link.SetResponseTimeout(400);
        session.program.SelectedGwType = type;
        session.program.Comm.CurrentPortNum = kSimCom;
        session.program.Comm.ToolFlags = TOOLFLAG_VALID | (extendedMode ? TOOLFLAG_EXTENDED_MODE : 0u);
        session.program.GwSlaveAddress = type == GW_KAVELIS ? 0x3F : 0xD0;
        session.form.MenuMoniter1.enabled = true;
        ASSERT_EQ(session.OpenPortIfClosed(), 0);
        // The unit's counters and hardware values stand still at what the test sets.
        sim->WithCore(
            [](CGwSimCore& core) { core.Advance(CGwSimCore::Clock::now() + std::chrono::hours(1)); });
    }
    void SetRegister(std::uint16_t address, std::uint16_t value) {
        sim->WithCore([&](CGwSimCore& core) { core.SetRegister(0, address, value); });
    }
    std::uint16_t Register(std::uint16_t address) {
        return sim->WithCore([&](CGwSimCore& core) { return core.Register(0, address); });
    }
    // Whether a box showed `text` (a box shows each CR LF as one line break).
    bool Seen(std::string_view text) const {
        const std::string shown = ToQt(text).toStdString();
        for (const auto& box : watcher.seen)
            if (box.text == shown) return true;
        return false;
    }
    static QString Cell(QWidget& form, int row, int col) {
        const QTableWidgetItem* item = form.findChild<QTableWidget*>("StringGrid1")->item(row, col);
        return item != nullptr ? item->text() : QString();
    }
    // Runs the save dialog that `bSave` opens: the file `path` is chosen and the dialog accepted as a user
    // would, once the dialog has opened.
    void ChooseInSaveDialog(const QString& path) {
        dialogTimer.disconnect();
        QObject::connect(&dialogTimer, &QTimer::timeout, [this, path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible()) return;  // not shown yet
            // Typed as a user would: selectFile() leaves the name field alone while it has the focus,
            // which it gets or not depending on when the window manager activates the dialog.
            const QFileInfo file(path);
            dialog->setDirectory(file.absolutePath());
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(file.fileName());
            if (dialog->selectedFiles() != QStringList{path}) return;
            dialogTimer.stop();
            EXPECT_EQ(dialog->objectName(), "FileSaveDialog1");
            EXPECT_EQ(dialog->nameFilters(), QStringList{"AlarmList(*.csv)"});
            EXPECT_EQ(dialog->defaultSuffix(), "csv");
            static_cast<QDialog*>(dialog)->accept();  // the dialog's own accept, as its Save button
        });
        dialogTimer.start(20);
    }

    CQtHost host;
    CSession session{host};
    std::unique_ptr<CSimPtyServer> sim;
    CMessageBoxWatcher watcher;
    QTimer dialogTimer;
};

TEST_F(MonitorWindowOnSim, AlarmListReadsWhenShownAndClearEmptiesIt) {
    Start(GW_VOSK);
    TAlarmListForm form(session);
    EXPECT_EQ(form.windowTitle(), "AlarmList");
    form.show();
    ASSERT_TRUE(Eventually([&] { return Cell(form, 1, 1) == QString("FFF"); }))
        << Cell(form, 1, 1).toStdString();
    EXPECT_EQ(Cell(form, 4, 2), "undefined");
    EXPECT_EQ(Cell(form, 64, 0), "63");
    auto* grid = form.findChild<QTableWidget*>("StringGrid1");
    EXPECT_EQ(grid->horizontalHeaderItem(5)->text(), "OccTime");

    QTest::mouseClick(form.findChild<QPushButton*>("bClear"), Qt::LeftButton);
    ASSERT_TRUE(Eventually([&] { return Cell(form, 1, 1) == QString("----"); }))
        << Cell(form, 1, 1).toStdString();
    EXPECT_TRUE(Seen(MsgText[58]));
    EXPECT_EQ(Register(0xF403), 0);
    EXPECT_TRUE(form.findChild<QPushButton*>("bRefresh")->isEnabled());
    EXPECT_TRUE(form.findChild<QPushButton*>("bClear")->isEnabled());

    // Refresh shows what the unit holds now.
    SetRegister(0xF403, 0x0860);
    QTest::mouseClick(form.findChild<QPushButton*>("bRefresh"), Qt::LeftButton);
    ASSERT_TRUE(Eventually([&] { return Cell(form, 1, 1) == QString("860"); }))
        << Cell(form, 1, 1).toStdString();
}

TEST_F(MonitorWindowOnSim, AlarmListSaveWritesTheCsvOfTheGrid) {
    Start(GW_DRAVO);
    TAlarmListForm form(session);
    form.show();
    ASSERT_TRUE(Eventually([&] { return Cell(form, 1, 1) == QString("FFF"); }))
        << Cell(form, 1, 1).toStdString();
    CScratchFolder folder;
    const std::string path = folder.File("history.csv");
    ChooseInSaveDialog(QString::fromStdString(path));
    QTest::mouseClick(form.findChild<QPushButton*>("bSave"), Qt::LeftButton);
    ASSERT_TRUE(Eventually([&] { return Seen(MsgText[85]); }));

    // Everything after the date and time lines is the list as the window shows it.
    const std::string written = ReadBytes(path);
    const std::string expected = form.List().CsvText({});
    ASSERT_TRUE(written.starts_with(";DATE="));
    const auto afterTime = [](const std::string& text) { return text.substr(text.find(";DRAVO=")); };
    EXPECT_EQ(afterTime(written), afterTime(expected));
    EXPECT_NE(written.find("\n3,123,undefined,0001,0001,12:34:56,\n"), std::string::npos);
}

TEST_F(MonitorWindowOnSim, CountersClearButtonIsServedByTheNextTick) {
    Start(GW_VOSK);
    SetRegister(0xF187, 15);
    SetRegister(0xF188, 500);
    SetRegister(0xF189, 600);
    TErrTC_MoniterForm form(session);
    EXPECT_EQ(form.windowTitle(), "Diagnostic Information");
    EXPECT_EQ(form.Timer().interval(), 500);
    EXPECT_TRUE(form.findChild<QPushButton*>("bResetRTET")->isHidden()) << "without ExtendedMode";
    form.show();
    ASSERT_TRUE(Eventually([&] { return Cell(form, 1, 1) == QString("500"); }))
        << Cell(form, 1, 1).toStdString();
    EXPECT_EQ(Cell(form, 0, 1), "1.5");
    EXPECT_EQ(Cell(form, 1, 0), "ERR_T counter");

    QTest::mouseClick(form.findChild<QPushButton*>("bResetERRT"), Qt::LeftButton);
    ASSERT_TRUE(Eventually([&] { return Cell(form, 1, 1) == QString("0"); }))
        << Cell(form, 1, 1).toStdString();
    EXPECT_EQ(Register(0xF188), 0);
    EXPECT_EQ(Cell(form, 2, 1), "600");
}

// A reset cannot be undone: Enter or Space right after the window opened resets nothing, since no Clear
// button is a default button or holds the first focus.
TEST_F(MonitorWindowOnSim, CountersClearButtonsAreNeitherDefaultNorFocusedAtFirst) {
    Start(GW_VOSK, true);
    SetRegister(0xF188, 500);
    TErrTC_MoniterForm form(session);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    for (const char* name : {"bResetERRT", "bResetERRC", "bResetEMG", "bResetRTET"}) {
        auto* button = form.findChild<QPushButton*>(name);
        EXPECT_TRUE(button->isVisible()) << name;
        EXPECT_FALSE(button->isDefault()) << name;
        EXPECT_FALSE(button->autoDefault()) << name;
        EXPECT_FALSE(button->hasFocus()) << name;
    }
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused != nullptr ? focused : &form, key);
    }
    for (const bool requested : form.Monitor().resetRequested) EXPECT_FALSE(requested);
    form.Timer1Timer();
    EXPECT_EQ(Register(0xF188), 500);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(MonitorWindowOnSim, CountersWindowClosesWhenTheUnitFallsSilent) {
    Start(GW_NUB3GW, true);
    TErrTC_MoniterForm form(session);
    EXPECT_FALSE(form.findChild<QPushButton*>("bResetRTET")->isHidden());
    form.show();
    ASSERT_TRUE(Eventually([&] { return !Cell(form, 4, 1).isEmpty(); }));
    sim->WithCore([](CGwSimCore& core) { core.Faults().silent = true; });
    ASSERT_TRUE(Eventually([&] { return !form.isVisible(); }));
    EXPECT_FALSE(session.form.MenuMoniter1.enabled);
    EXPECT_FALSE(form.Timer().isActive());
    EXPECT_FALSE(watcher.seen.empty()) << "the transaction told why";
}

TEST_F(MonitorWindowOnSim, HardwareMonitorShowsScaledValuesAndStaysOpenAfterAFailure) {
    Start(GW_VOSK);
    const std::uint16_t words[10] = {241, 240, 59, 58, 68, 123, 38, 40, 36, 65535};
    for (int i = 0; i < 10; ++i) SetRegister(static_cast<std::uint16_t>(0xF900 + i), words[i]);
    THardwareMonitorForm form(session);
    EXPECT_EQ(form.windowTitle(), "Hardware Monitor");
    EXPECT_EQ(form.Timer().interval(), 2000);
    auto* motor = form.findChild<QLabel*>("lVP24P_Data");
    EXPECT_EQ(motor->text(), "0.0");
    EXPECT_EQ(form.findChild<QLabel*>("Label6")->text(), "Fan Round");
    EXPECT_EQ(form.findChild<QLabel*>("Label36")->text(), "rpm");
    form.show();
    ASSERT_TRUE(Eventually([&] { return motor->text() == QString("24.1"); })) << motor->text().toStdString();
    EXPECT_EQ(form.findChild<QLabel*>("lVP24S_Data")->text(), "24");
    EXPECT_EQ(form.findChild<QLabel*>("lFAN_Rot_Data")->text(), "1230");
    EXPECT_EQ(form.findChild<QLabel*>("lDB3_Temp_Data")->text(), "65535");

    sim->WithCore([](CGwSimCore& core) { core.Faults().silent = true; });
    ASSERT_TRUE(Eventually([&] { return Seen(MsgText[54]); }));
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.Timer().isActive());
    EXPECT_TRUE(session.form.MenuMoniter1.enabled);
    EXPECT_EQ(motor->text(), "24.1");

    sim->WithCore([](CGwSimCore& core) { core.Faults().silent = false; });
    SetRegister(0xF900, 239);
    ASSERT_TRUE(Eventually([&] { return motor->text() == QString("23.9"); })) << motor->text().toStdString();
}

}  // namespace
