// The unit-service dialogs driven through their widgets: unit number, EtherNet/IP addresses and the
// time setting against a simulated gateway, and their dispatch from the main window's Setting menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/app/texts/MsgText.h"
#include "gui/service/TEtherIpSetForm.h"
#include "gui/service/TTimeSettingForm.h"
#include "gui/service/TUnitParaSetForm.h"
#include "sim/SimPtyServer.h"
#include "tests/gui/MainWindowFixture.h"
#include "tests/gui/MessageBoxWatcher.h"

namespace {

void ExecWith(QDialog& dialog, const std::function<void()>& act) {
    QTimer::singleShot(0, &dialog, act);
    dialog.exec();
}

void Choose(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

// Acts on the first visible top-level dialog named `name` once the event loop shows it.
void WhenShown(const char* name, const std::function<void(QWidget*)>& act) {
    QTimer::singleShot(0, [name, act] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == name && w->isVisible()) {
                act(w);
                return;
            }
        }
        ADD_FAILURE() << name << " was not shown";
    });
}

TEST(gui_UnitParaSetForm, CheckBoxAndListsEditTheImage) {
    ParameterImage image;
    image.TopAxisNo = 6;
    image.UnitNo = 1;
    SMainFlags flags;
    TUnitParaSetForm form(image, flags);
    auto* multiDrop = form.findChild<QCheckBox*>("ckMDRP");
    auto* unit = form.findChild<QComboBox*>("cbUnitNo");
    auto* topAxis = form.findChild<QComboBox*>("cbTAxisNo");
    auto* ok = form.findChild<QPushButton*>("Button1");
    ASSERT_TRUE(multiDrop && unit && topAxis && ok);
    EXPECT_EQ(form.windowTitle(), "unit No.");
    EXPECT_EQ(form.findChild<QLabel*>("Label2")->text(), "Top Axis No.");
    EXPECT_EQ(unit->currentText(), "1");
    EXPECT_FALSE(topAxis->isEnabled());
    EXPECT_EQ(topAxis->currentText(), "0");

    ExecWith(form, [&] {
        QTest::mouseClick(multiDrop, Qt::LeftButton);
        EXPECT_TRUE(topAxis->isEnabled());
        EXPECT_EQ(topAxis->currentText(), "6");
        Choose(topAxis, topAxis->findText("10"));
        Choose(unit, 0);
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(image.MDRP, MDRP_ENABLED);
    EXPECT_EQ(image.TopAxisNo, 10);
    EXPECT_EQ(image.UnitNo, 0);
    EXPECT_TRUE(flags.unitNoModified);
}

// The close box and Escape close the dialog as a Cancel would: the image and its flag as they were.
TEST(gui_UnitParaSetForm, CloseBoxAndEscapeCancel) {
    const std::pair<const char*, std::function<void(QDialog&)>> ways[] = {
        {"Escape", [](QDialog& form) { QTest::keyClick(&form, Qt::Key_Escape); }},
        {"close box", [](QDialog& form) { form.close(); }},
    };
    for (const auto& [way, leave] : ways) {
        SCOPED_TRACE(way);
        ParameterImage image;
        image.TopAxisNo = 7;
        image.UnitNo = 1;
        image.MDRP = MDRP_ENABLED;
        SMainFlags flags;
        TUnitParaSetForm form(image, flags);
        EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
        auto* topAxis = form.findChild<QComboBox*>("cbTAxisNo");
        EXPECT_EQ(topAxis->currentText(), "6") << "top axis 7 shows the entry of its half";
        ExecWith(form, [&] {
            Choose(topAxis, topAxis->findText("12"));
            Choose(form.findChild<QComboBox*>("cbUnitNo"), 0);
            QTest::mouseClick(form.findChild<QCheckBox*>("ckMDRP"), Qt::LeftButton);
            leave(form);
        });
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.result(), QDialog::Rejected);
        EXPECT_EQ(image.TopAxisNo, 7);
        EXPECT_EQ(image.UnitNo, 1);
        EXPECT_EQ(image.MDRP, MDRP_ENABLED);
        EXPECT_FALSE(flags.unitNoModified);
    }
}

class EtherIpForm : public ::testing::Test {
protected:
    void SetUp() override {
        image.NetAddress = {0xC0A8000Au, 0xFFFFFF00u, 0xC0A80001u};
        image.NetAddressSnapshot = image.NetAddress;
        form = std::make_unique<TEtherIpSetForm>(image, flags, host);
        form->show();
        Activate();
    }
    void Activate() { QApplication::setActiveWindow(form.get()); }
    QLineEdit* Field(const char* name) { return form->findChild<QLineEdit*>(name); }

    ParameterImage image;
    SMainFlags flags;
    CQtHost host;
    std::unique_ptr<TEtherIpSetForm> form;
};

// A paste or a cut goes past the key rules: the field keeps only digits and never stays empty, so
// leaving it finds an octet.
TEST_F(EtherIpForm, PasteAndCutKeepDigitsAndNeverEmptyTheField) {
    QLineEdit* first = Field("eIPADR1");
    first->setFocus();
    first->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("1x0.5"));
    QTest::keyClick(first, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(first->text(), "10") << "the field takes three characters of the paste, then its digits";
    first->selectAll();
    QTest::keyClick(first, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(first->text(), "0");
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    first->selectAll();
    first->paste();
    EXPECT_EQ(first->text(), "0");
    CMessageBoxWatcher watcher;
    Field("eIPADR2")->setFocus();
    QApplication::processEvents();
    EXPECT_TRUE(watcher.seen.empty());
    QTest::mouseClick(form->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_EQ(image.NetAddress[0], 0x00A8000Au);
}

TEST_F(EtherIpForm, ShowsTheOctetsAndAppliesTheKeyRules) {
    EXPECT_EQ(form->windowTitle(), "EtherNet/IP Setting");
    EXPECT_EQ(form->findChild<QLabel*>("lSNMK")->text(), "Subnet mask");
    EXPECT_NE(form->findChild<QLabel*>("lDFGW_Dot3"), nullptr);
    const char* names[] = {"eIPADR1", "eIPADR2", "eIPADR3", "eIPADR4"};
    const char* shown[] = {"192", "168", "0", "10"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Field(names[i])->text(), shown[i]);
    EXPECT_EQ(Field("eSNMK4")->alignment() & Qt::AlignRight, Qt::AlignRight);

    QLineEdit* third = Field("eIPADR3");
    third->setFocus();
    third->end(false);
    QTest::keyClicks(third, "x7");  // the letter is swallowed, the 7 replaces the lone 0
    EXPECT_EQ(third->text(), "7");
    third->selectAll();
    QTest::keyClick(third, Qt::Key_Delete);
    EXPECT_EQ(third->text(), "0");
    QTest::keyClick(third, Qt::Key_Right);  // caret at the end: on to the fourth octet
    EXPECT_TRUE(Field("eIPADR4")->hasFocus());
    EXPECT_EQ(Field("eIPADR4")->cursorPosition(), 2);
    QTest::keyClick(Field("eIPADR4"), Qt::Key_Right);  // the last field of the row: stays
    EXPECT_TRUE(Field("eIPADR4")->hasFocus());
    Field("eIPADR4")->setCursorPosition(0);
    QTest::keyClick(Field("eIPADR4"), Qt::Key_Left);
    EXPECT_TRUE(third->hasFocus());
}

TEST_F(EtherIpForm, LeavingAFieldWithABadOctetRestoresItAndOkStoresTheAddresses) {
    CMessageBoxWatcher watcher;
    QLineEdit* fourth = Field("eIPADR4");
    fourth->setFocus();
    fourth->selectAll();
    QTest::keyClicks(fourth, "300");
    Field("eSNMK4")->setFocus();  // leaving the field checks the octet
    ASSERT_EQ(watcher.seen.size(), 1u);
    EXPECT_EQ(watcher.seen[0].text, "Data Error    \n");
    EXPECT_EQ(watcher.seen[0].icon, QMessageBox::Critical);
    EXPECT_EQ(fourth->text(), "10");

    Activate();
    QLineEdit* mask = Field("eSNMK4");
    mask->setFocus();
    mask->selectAll();
    QTest::keyClicks(mask, "128");
    QTest::mouseClick(form->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_EQ(image.NetAddress[1], 0xFFFFFF80u);
    EXPECT_TRUE(flags.etherIpModified);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(EtherIpForm, OkWithAnOctetOutOfRangeSelectsItAndStoresNothing) {
    CMessageBoxWatcher watcher;
    auto* ok = form->findChild<QPushButton*>("Button1");
    // The field is changed behind the rules' back, as a program could; OK still refuses it.
    Field("eDFGW2")->setText("256");
    Q_EMIT Field("eDFGW2")->textEdited("256");
    ok->setFocus();
    QTest::mouseClick(ok, Qt::LeftButton);
    ASSERT_EQ(watcher.seen.size(), 1u);
    EXPECT_EQ(watcher.seen[0].text, "Data Error    \n");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Field("eDFGW2")->selectedText(), "256") << "the refused field is selected";
    EXPECT_EQ(image.NetAddress[2], 0xC0A80001u);
    EXPECT_FALSE(flags.etherIpModified);
}

TEST(gui_TimeSettingForm, WritesAManualTimeAndConfirmsItOnASimulatedUnit) {
    SSimConfig config;
    config.type = GW_VOSK;
    CSimPtyServer sim(config);
    ASSERT_EQ(sim.Start(), 0);
    CQtHost host;
    CSession session(host);
    session.link.SetPortOverrides({{1, sim.DevicePath()}});
    session.link.SetResponseTimeout(400);
    session.program.SelectedGwType = GW_VOSK;
    session.program.GwSlaveAddress = 0xD0;
    session.program.Comm.CurrentPortNum = 1;
    session.program.Comm.CurrentBaudIndex = 4;

    TTimeSettingForm form(session, 383824800, nullptr);  // 2012-02-29 10:00:00
    EXPECT_TRUE(session.form.flags.portOpen) << "the dialog set the link up at creation";
    EXPECT_EQ(form.windowTitle(), "TimeSetting");
    auto* panel = form.findChild<QLabel*>("Panel1");
    auto* manual = form.findChild<QRadioButton*>("rbManualSetting");
    auto* year = form.findChild<QComboBox*>("cbYear");
    auto* day = form.findChild<QComboBox*>("cbDay");
    auto* write = form.findChild<QPushButton*>("bTransmission");
    auto* confirm = form.findChild<QPushButton*>("bConfirm");
    ASSERT_TRUE(panel && manual && year && day && write && confirm);
    EXPECT_EQ(panel->text(), "2012-02-29 10:00:00");
    EXPECT_FALSE(year->isEnabled());
    EXPECT_EQ(write->text(), "Write");

    CMessageBoxWatcher watcher;
    ExecWith(form, [&] {
        manual->click();
        EXPECT_TRUE(year->isEnabled());
        EXPECT_EQ(year->currentText(), "2012");
        EXPECT_EQ(day->currentText(), "29");
        Choose(year, year->findText("2013"));  // 2013-02-29 does not exist
        QTest::mouseClick(write, Qt::LeftButton);
        Choose(year, year->findText("2010"));
        Choose(form.findChild<QComboBox*>("cbMonth"), 0);
        Choose(day, 0);
        Choose(form.findChild<QComboBox*>("cbHour"), 0);
        QTest::mouseClick(write, Qt::LeftButton);
        QTest::mouseClick(confirm, Qt::LeftButton);
        form.reject();
    });
    ASSERT_EQ(watcher.seen.size(), 3u);
    EXPECT_EQ(watcher.seen[0].text, "Day Error   \n");
    EXPECT_EQ(watcher.seen[1].text, "TimeData transmit finish.\n");
    EXPECT_EQ(watcher.seen[2].text.substr(0, 10), "2010-01-01");
    const std::uint32_t clock = sim.WithCore([](CGwSimCore& core) {
        return std::uint32_t{core.Register(0, 0xF172)} << 16 | core.Register(0, 0xF173);
    });
    EXPECT_GE(clock, 315619200u);
    EXPECT_LE(clock, 315619200u + 30);
    EXPECT_TRUE(write->isEnabled());
}

// The Setting menu as a read of the unit leaves it: unit number and EtherNet/IP offered.
void OfferUnitServiceItems(SMainWindowFixture& f) {
    for (MenuItemState* item : {&f.session.core.form.MenuUnitNo, &f.session.core.form.MenuEtherIp})
        item->enabled = item->visible = true;
    f.window->Render();
}

TEST(gui_MainWindow, UnitNumberMenuStopsTheProgressBarAndOffersTheTransmission) {
    SMainWindowFixture f(GW_VOSK);
    OfferUnitServiceItems(f);
    int maximumWhileOpen = -1;
    WhenShown("UnitParaSetForm", [&](QWidget* dialog) {
        maximumWhileOpen = f.window->ProgressBar()->maximum();
        QTest::mouseClick(dialog->findChild<QCheckBox*>("ckMDRP"), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    });
    CMessageBoxWatcher watcher;
    watcher.answers = {QMessageBox::No};
    f.Find<QAction>("MenuUnitNo")->trigger();
    EXPECT_EQ(maximumWhileOpen, 0);
    EXPECT_EQ(f.window->ProgressBar()->maximum(), 100);
    EXPECT_EQ(f.session.core.image.MDRP, MDRP_ENABLED);
    ASSERT_EQ(watcher.seen.size(), 2u);
    EXPECT_EQ(watcher.seen[0].text,
              QString::fromStdString(std::string(MsgText[40])).replace("\r\n", "\n").toStdString());
    EXPECT_EQ(watcher.seen[1].text,
              "Be careful, parameters will not be effective\nwithout transmitting them to the Gateway Unit.");
}

TEST(gui_MainWindow, UnitNumberDialogLeftByEscapeOffersNothing) {
    SMainWindowFixture f(GW_VOSK);
    OfferUnitServiceItems(f);
    WhenShown("UnitParaSetForm", [&](QWidget* dialog) {
        QTest::mouseClick(dialog->findChild<QCheckBox*>("ckMDRP"), Qt::LeftButton);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    CMessageBoxWatcher watcher;
    f.Find<QAction>("MenuUnitNo")->trigger();
    EXPECT_TRUE(watcher.seen.empty());
    EXPECT_EQ(f.session.core.image.MDRP, 0u);
    EXPECT_FALSE(f.session.core.form.flags.unitNoModified);
}

TEST(gui_MainWindow, EtherIpMenuWithoutChangesAsksNothing) {
    SMainWindowFixture f(GW_VOSK);
    OfferUnitServiceItems(f);
    int maximumWhileOpen = -1;
    WhenShown("EtherIpSetForm", [&](QWidget* dialog) {
        maximumWhileOpen = f.window->ProgressBar()->maximum();
        QTest::mouseClick(dialog->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    });
    CMessageBoxWatcher watcher;
    f.Find<QAction>("MenuEtherIp")->trigger();
    EXPECT_EQ(maximumWhileOpen, 0);
    EXPECT_TRUE(watcher.seen.empty());
    EXPECT_FALSE(f.session.core.form.flags.etherIpModified);
}

}  // namespace
