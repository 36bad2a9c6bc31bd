// The start dialogs driven through their widgets: the gateway type list per mode, the communication
// settings with their question, and the unit search against a simulated gateway on a pseudo-terminal.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <functional>

#include "gui/app/CQtHost.h"
#include "gui/app/TCommunicationSetting.h"
#include "gui/app/TSelectGwType.h"
#include "gui/app/TitleBarWidth.h"
#include "gui/app/ToolStartUp.h"
#include "gui/service/TSearchUnitForm.h"
#include "sim/SimPtyServer.h"
#include "tests/gui/MessageBoxWatcher.h"

namespace {
// Runs `act` once the dialog's event loop is running, then executes the dialog.
void ExecWith(QDialog& dialog, const std::function<void()>& act) {
    QTimer::singleShot(0, &dialog, act);
    dialog.exec();
}

void Choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

struct STypeChoice {
    bool extendedMode;
    int item;  // -1: OK without touching the list
    int listSize;
    GwType chosen;
};
}  // namespace

TEST(gui_SelectGwType, TheListAndTheChoiceFollowTheMode) {
    const STypeChoice cases[] = {
        {false, 2, 5, GW_VOSK_LC},
        {true, 2, 6, GW_VOSK_ML3},
        {false, -1, 5, GW_KAVELIS},
        {true, 5, 6, GW_DRAVO},
    };
    for (const STypeChoice& c : cases) {
        SCOPED_TRACE(c.item);
        SProgramValues values;
        values.Comm.ToolFlags = TOOLFLAG_VALID | (c.extendedMode ? TOOLFLAG_EXTENDED_MODE : 0);
        values.SelectedGwType = GW_NUB3GW;
        TSelectGwType dialog(values);
        auto* list = dialog.findChild<QComboBox*>("cbSlctGwType");
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), c.listSize);
        EXPECT_EQ(dialog.windowTitle(), "SelectGwType");
        EXPECT_GE(dialog.sizeHint().width(), TitleBarWidth(dialog)) << "the title bar shows the whole title";
        EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), "Select Unit type.");
        GwType whileOpen = GW_NUB3GW;
        ExecWith(dialog, [&] {
            whileOpen = values.SelectedGwType;
            if (c.item >= 0) Choose(list, c.item);
            QTest::mouseClick(dialog.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        });
        EXPECT_EQ(whileOpen, GW_NONE);  // the choice is cleared while the dialog is active
        EXPECT_EQ(values.SelectedGwType, c.chosen);
    }
}

// Escape and the close box do not carry on with whatever the list shows: the dialog is rejected with no
// type, and the start goes no further (the tool ends, as after Cancel).
TEST(gui_SelectGwType, EscapeAndTheCloseBoxLeaveWithoutAType) {
    const std::function<void(TSelectGwType&)> leaves[] = {
        [](TSelectGwType& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); },
        [](TSelectGwType& dialog) { dialog.close(); },
    };
    for (const auto& leave : leaves) {
        SProgramValues values;
        values.Comm.ToolFlags = TOOLFLAG_VALID;
        values.SelectedGwType = GW_VOSK;
        TSelectGwType dialog(values);
        EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        int result = -1;
        QTimer::singleShot(0, &dialog, [&] {
            dialog.findChild<QComboBox*>("cbSlctGwType")->setCurrentIndex(1);
            leave(dialog);
        });
        result = dialog.exec();
        EXPECT_EQ(result, QDialog::Rejected);
        EXPECT_EQ(values.SelectedGwType, GW_NONE);
    }

    CToolSession session;
    session.core.program.Comm.CurrentPortNum = 1;
    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    EXPECT_FALSE(RunStartDialogs(session, SStartOptions{}).has_value());
    EXPECT_EQ(session.core.program.SelectedGwType, GW_NONE);
}

TEST(gui_CommunicationSetting, PortItemsShowExistingDevicesAndOkAsksBeforeTakingAChange) {
    QTemporaryFile device;
    ASSERT_TRUE(device.open());
    const std::map<int, std::string> ports = {{2, device.fileName().toStdString()}};
    CQtHost host;
    SGWCommunicate comm;
    comm.CurrentBaudIndex = 4;

    {  // first run: nothing selected; OK without a choice changes nothing and asks nothing
        CMessageBoxWatcher watcher;
        TCommunicationSetting dialog(comm, ports, host);
        auto* portList = dialog.findChild<QComboBox*>("ComboBox_COM_PORT");
        ASSERT_EQ(portList->count(), 255);
        EXPECT_EQ(portList->itemText(1).toStdString(), "COM2  " + device.fileName().toStdString());
        EXPECT_EQ(portList->itemText(254), "COM255");
        EXPECT_EQ(portList->currentIndex(), -1);
        EXPECT_EQ(dialog.findChild<QComboBox*>("ComboBox1")->count(), 6);
        EXPECT_EQ(dialog.windowTitle(), "Setting of communications");
        EXPECT_GE(dialog.sizeHint().width(), TitleBarWidth(dialog)) << "the title bar shows the whole title";
        ExecWith(dialog,
                 [&] { QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton); });
        EXPECT_TRUE(watcher.seen.empty());
        EXPECT_EQ(comm.CurrentPortNum, 0);
    }
    {  // COM3 and Yes
        CMessageBoxWatcher watcher;
        watcher.answers = {QMessageBox::Yes};
        TCommunicationSetting dialog(comm, ports, host);
        ExecWith(dialog, [&] {
            dialog.findChild<QComboBox*>("ComboBox_COM_PORT")->setCurrentIndex(2);
            QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        });
        ASSERT_EQ(watcher.seen.size(), 1u);
        EXPECT_EQ(watcher.seen[0].text, "Are the communication setting correct?");
        EXPECT_EQ(watcher.seen[0].caption, "Confirmation");
        EXPECT_EQ(comm.CurrentPortNum, 3);
        EXPECT_EQ(comm.CurrentBaudIndex, 4);
        EXPECT_TRUE(dialog.Result().applied);
    }
    {  // COM4 and Enter: No is the default, nothing changes
        CMessageBoxWatcher watcher;
        TCommunicationSetting dialog(comm, ports, host);
        ExecWith(dialog, [&] {
            dialog.findChild<QComboBox*>("ComboBox_COM_PORT")->setCurrentIndex(3);
            dialog.findChild<QComboBox*>("ComboBox1")->setCurrentIndex(0);
            QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        });
        EXPECT_EQ(watcher.seen.size(), 1u);
        EXPECT_EQ(comm.CurrentPortNum, 3);
        EXPECT_EQ(comm.CurrentBaudIndex, 4);
    }
    {  // Cancel: nothing changes, nothing asked
        CMessageBoxWatcher watcher;
        TCommunicationSetting dialog(comm, ports, host);
        ExecWith(dialog, [&] {
            dialog.findChild<QComboBox*>("ComboBox_COM_PORT")->setCurrentIndex(7);
            QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
        });
        EXPECT_TRUE(watcher.seen.empty());
        EXPECT_EQ(comm.CurrentPortNum, 3);
    }
}

TEST(gui_SearchUnitForm, FindsBothUnitsOfTheSimulatedLineAndHandsOverTheChosenOne) {
    SSimConfig config;
    config.type = GW_VOSK;
    config.units = {0, 1};
    config.axes = 4;
    CSimPtyServer sim(config);
    ASSERT_EQ(sim.Start(), 0);

    CQtHost host;
    CCommUnit link(host);
    link.SetPortOverrides({{1, sim.DevicePath()}});
    SMainFlags flags;
    SGWCommunicate comm;
    comm.CurrentPortNum = 1;
    comm.CurrentBaudIndex = 4;
    UnitAxisSlotTable slots{};
    TSearchUnitForm form(link, host, flags, comm, slots);
    auto* ok = form.findChild<QPushButton*>("Button1");
    auto* units = form.findChild<QComboBox*>("cbUnitNoSel");
    EXPECT_EQ(form.windowTitle(), "Connection Check");
    EXPECT_GE(form.sizeHint().width(), TitleBarWidth(form)) << "the title bar shows the whole title";
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);

    bool okEnabledAtStart = true;
    bool escapeClosed = true;
    ExecWith(form, [&] {
        okEnabledAtStart = ok->isEnabled();
        QTest::keyClick(&form, Qt::Key_Escape);
        escapeClosed = !form.isVisible();
        QElapsedTimer waited;
        waited.start();
        while (!ok->isEnabled() && waited.elapsed() < 15000) QTest::qWait(20);
        EXPECT_EQ(units->count(), 2);
        EXPECT_EQ(units->itemText(0), "0");
        EXPECT_EQ(units->itemText(1), "1");
        EXPECT_TRUE(units->isEnabled());
        units->setCurrentIndex(1);
        if (ok->isEnabled())
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            form.accept();
    });
    EXPECT_FALSE(okEnabledAtStart);
    EXPECT_FALSE(escapeClosed);
    EXPECT_TRUE(form.Result().unitFound);
    EXPECT_EQ(form.Result().unitNo, 1);
    EXPECT_EQ(form.Result().SlaveAddress(), 0xD1);
    EXPECT_EQ(form.Result().axisRowCount, 4);
    EXPECT_TRUE(flags.portOpen);
}
