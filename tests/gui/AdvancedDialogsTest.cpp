// The Setting menu's advanced dialogs through their widgets: the option dialogs change the image and
// lead to the transmit prompt, whose write must put the changed bit into the simulated unit; the driver
// monitor dialog reads, checks and writes the unit's driver parameters.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>

#include "core/app/texts/MsgText.h"
#include "gui/advanced/TSpecialParaForm.h"
#include "gui/advanced/TSpecialParaForm2.h"
#include "sim/SimPtyServer.h"
#include "tests/gui/DialogDriver.h"
#include "tests/gui/MainWindowFixture.h"
#include "tests/gui/MessageBoxWatcher.h"

namespace {

constexpr int SIM_COM = 1;
constexpr std::uint32_t EXTENDED = TOOLFLAG_VALID | TOOLFLAG_EXTENDED_MODE;

// Picks an item of a list the way a user does with the keyboard, which reports it as the user's choice.
void Choose(QComboBox* list, int index) {
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
}

// A text as a message box shows it: each CR LF a line break.
std::string Shown(std::string_view text) {
    std::string shown(text);
    for (auto at = shown.find("\r\n"); at != std::string::npos; at = shown.find("\r\n", at))
        shown.erase(at, 1);
    return shown;
}

// The open cell editor of a grid; a closed one is hidden until it is deleted.
QLineEdit* OpenEditor(QTableWidget* grid) {
    for (QLineEdit* editor : grid->findChildren<QLineEdit*>())
        if (editor->isVisible()) return editor;
    return nullptr;
}

std::vector<std::string> VisibleLabels(QWidget* dialog, const char* prefix) {
    std::vector<std::string> texts;
    for (int row = 0; row < 16; ++row) {
        auto* label = dialog->findChild<QLabel*>(QStringLiteral("%1%2").arg(prefix).arg(row));
        if (label != nullptr && label->isVisible()) texts.push_back(label->text().toStdString());
    }
    return texts;
}

// On the driver monitor dialog: checks what the read showed, types 601 for OMPV (refused), then 555,
// and writes with the restart.
void EditDriverParameters(QDialog* dialog, int& progressMaxWhileOpen, CMessageBoxWatcher& boxes,
                          QProgressBar* progressBar) {
    auto* grid = dialog->findChild<QTableWidget*>("sgPara");
    auto* write = dialog->findChild<QPushButton*>("btnWrite");
    progressMaxWhileOpen = progressBar->maximum();
    EXPECT_EQ(grid->item(0, 3)->text(), "400");
    EXPECT_EQ(grid->item(0, 0)->text(), "F800");
    EXPECT_FALSE(grid->item(7, 3)->flags() & Qt::ItemIsEditable) << "DHTP is fixed";
    EXPECT_EQ(grid->item(7, 3)->foreground().color(), QColor(0x80, 0x80, 0x80));
    for (const char* value : {"601", "555"}) {
        grid->setFocus();
        grid->setCurrentCell(0, 3);
        QTest::keyClick(grid, Qt::Key_F2);
        QLineEdit* editor = OpenEditor(grid);
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, value);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();  // the item delegate commits Enter through a queued call
        EXPECT_EQ(grid->item(0, 3)->text().toStdString(), value);
    }
    boxes.answers = {QMessageBox::Yes};
    QTest::mouseClick(write, Qt::LeftButton);
}

class gui_AdvancedOnSim : public ::testing::Test {
protected:
    void StartSim(GwType type, std::uint32_t flags) {
        SSimConfig config;
        config.type = type;
        config.axes = type == GW_KAVELIS ? 16 : 6;
        sim = std::make_unique<CSimPtyServer>(config);
        ASSERT_EQ(sim->Start(), 0);
        f = std::make_unique<SMainWindowFixture>(type, flags);
        f->session.core.link.SetPortOverrides({{SIM_COM, sim->DevicePath()}});
        f->session.core.link.SetResponseTimeout(400);
        f->session.core.program.Comm.CurrentPortNum = SIM_COM;
        f->session.core.program.Comm.CurrentBaudIndex = 4;
        f->session.core.program.GwSlaveAddress = type == GW_KAVELIS ? 0x3F : 0xD0;
    }
    void TearDown() override {
        if (f) f->session.core.link.Close();
    }
    void ReadUnit() {
        boxes.answers = {QMessageBox::Yes, QMessageBox::Ok};
        QTest::mouseClick(f->Find<QPushButton>("Button2"), Qt::LeftButton);
        boxes.seen.clear();
    }
    void Trigger(const char* item) { f->Find<QAction>(item)->trigger(); }
    std::uint16_t UnitRegister(std::uint16_t address) {
        return sim->WithCore([&](CGwSimCore& core) { return core.Register(0, address); });
    }
    std::vector<std::string> SeenTexts() const {
        std::vector<std::string> texts;
        for (const SSeenBox& box : boxes.seen) texts.push_back(box.text);
        return texts;
    }

    std::unique_ptr<CSimPtyServer> sim;
    std::unique_ptr<SMainWindowFixture> f;
    CMessageBoxWatcher boxes;
};

// VOSK: the GWmode Select page, "Type TEV" for the PUSH type; Yes to the transmit prompt writes it.
TEST_F(gui_AdvancedOnSim, GatewayBitChangedInTheDialogReachesTheUnit) {
    StartSim(GW_VOSK, TOOLFLAG_VALID);
    ReadUnit();
    ASSERT_EQ(UnitRegister(0xF381) & 0x0800, 0);
    CDialogDriver driver("SpecialParaForm2", [](QDialog* dialog) {
        auto* tabs = dialog->findChild<QTabBar*>("TabControl1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        auto* push = dialog->findChild<QComboBox*>("cbBit11");
        ASSERT_TRUE(push->isVisible());
        EXPECT_EQ(dialog->findChild<QLabel*>("lBit11")->text(), "PUSH type(only Full mode)");
        Choose(push, 1);
        EXPECT_EQ(push->currentText(), "Type TEV");
        QTest::mouseClick(dialog->findChild<QPushButton*>("bOK"), Qt::LeftButton);
    });
    // The transmit prompt (Yes), the write's success note, the restart question (No).
    boxes.answers = {QMessageBox::Yes, QMessageBox::Ok, QMessageBox::No};
    Trigger("MenuSpecial1");
    ASSERT_TRUE(driver.ran);
    ASSERT_FALSE(boxes.seen.empty());
    EXPECT_EQ(boxes.seen[0].text, Shown(MsgText[40]));
    EXPECT_EQ(boxes.seen[0].defaultButton, QMessageBox::No);
    EXPECT_TRUE(boxes.answers.empty());
    EXPECT_EQ(UnitRegister(0xF381) & 0x0800, 0x0800);
    EXPECT_EQ(f->session.core.image.ExtParam2 & 0x0800, 0x0800);
}

// KAVELIS: "invalid" in the ERR_C row sets bit 3 of GMOD; the close query marks it, Yes transmits.
TEST_F(gui_AdvancedOnSim, SpecialtyOptionChangedInTheDialogReachesTheUnit) {
    StartSim(GW_KAVELIS, TOOLFLAG_VALID);
    ReadUnit();
    ASSERT_EQ(UnitRegister(0xF10F) & 0x0008, 0);
    CDialogDriver driver("SpecialParaForm", [](QDialog* dialog) {
        auto* errC = dialog->findChild<QComboBox*>("cbErrC");
        ASSERT_TRUE(errC->isVisible());
        Choose(errC, 1);
        EXPECT_EQ(errC->currentText(), "invalid");
        EXPECT_FALSE(dialog->findChild<QComboBox*>("cbGMODbit1")->isVisible());
        dialog->close();
    });
    boxes.answers = {QMessageBox::Yes, QMessageBox::Ok, QMessageBox::No};
    Trigger("MenuSpecial1");
    ASSERT_TRUE(driver.ran);
    ASSERT_FALSE(boxes.seen.empty());
    EXPECT_EQ(boxes.seen[0].text, Shown(MsgText[40]));
    EXPECT_EQ(UnitRegister(0xF10F) & 0x0008, 0x0008);
    // Without the restart the unit does not run the new word yet: the flag stays for the exit question.
    EXPECT_TRUE(f->session.core.form.flags.specialParamsModified);
}

// No to the transmit prompt: the reminder, and the unit keeps its word.
TEST_F(gui_AdvancedOnSim, NoToTheTransmitPromptLeavesTheUnitAlone) {
    StartSim(GW_DRAVO, TOOLFLAG_VALID);
    ReadUnit();
    const std::uint16_t before = UnitRegister(0xF380);
    CDialogDriver driver("SpecialParaForm2", [](QDialog* dialog) {
        auto* tabs = dialog->findChild<QTabBar*>("TabControl1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        Choose(dialog->findChild<QComboBox*>("cbBit15"), 1);
        QTest::mouseClick(dialog->findChild<QPushButton*>("bOK"), Qt::LeftButton);
    });
    boxes.answers = {QMessageBox::No, QMessageBox::Ok};
    Trigger("MenuSpecial1");
    ASSERT_TRUE(driver.ran);
    EXPECT_EQ(SeenTexts(), (std::vector<std::string>{Shown(MsgText[40]), Shown(MsgText[41])}));
    EXPECT_EQ(UnitRegister(0xF380), before);
    EXPECT_TRUE(f->session.core.form.flags.specialParamsModified);
}

// Closing without a change asks nothing.
TEST_F(gui_AdvancedOnSim, UnchangedDialogAsksNothing) {
    StartSim(GW_KAVELIS, TOOLFLAG_VALID);
    ReadUnit();
    CDialogDriver driver("SpecialParaForm", [](QDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>("OKbutton"), Qt::LeftButton);
    });
    Trigger("MenuSpecial1");
    ASSERT_TRUE(driver.ran);
    EXPECT_TRUE(boxes.seen.empty());
}

// DRAVO in ExtendedMode: read at opening, 601 refused with message 66, 555 written with the restart.
TEST_F(gui_AdvancedOnSim, DriverParametersReadEditedAndWrittenWithRestart) {
    StartSim(GW_DRAVO, EXTENDED);
    ReadUnit();
    ASSERT_TRUE(f->Find<QAction>("MenuDrvObsrv")->isVisible());
    int progressMaxWhileOpen = -1;
    // Once the read at opening has enabled Write.
    const auto readDone = [](QDialog* dialog) {
        return dialog->findChild<QPushButton*>("btnWrite")->isEnabled();
    };
    CDialogDriver driver(
        "DrvObsrvForm",
        [&](QDialog* dialog) {
            EditDriverParameters(dialog, progressMaxWhileOpen, boxes, f->Find<QProgressBar>("ProgressBar1"));
            dialog->close();
        },
        readDone);
    Trigger("MenuDrvObsrv");
    ASSERT_TRUE(driver.ran);
    EXPECT_EQ(progressMaxWhileOpen, 0);
    EXPECT_EQ(f->Find<QProgressBar>("ProgressBar1")->maximum(), 100);
    const std::string question = Shown(std::string(MsgText[9]) + "\r\n" + std::string(MsgText[14]));
    EXPECT_EQ(SeenTexts(), (std::vector<std::string>{
                               Shown("Illegal Data Value(OMPV)\r\nPlease input 200-600"), question}));
    EXPECT_EQ(UnitRegister(0xF800), 0);
    EXPECT_EQ(UnitRegister(0xF801), 555);
    const auto log = sim->WithCore([](CGwSimCore& core) { return core.RequestLog(); });
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const auto& frame) {
        return frame.size() >= 4 && frame[1] == 0x05 && frame[2] == 0x04 && frame[3] == 0x0F;
    }));
}

// The unit's own OMPV of 700 lies outside 200..600: leaving its cell untouched shows message 66 as a
// typed value would; leaving a valid cell shows nothing. The grid shows its header and ten whole data
// rows, as many as its height has room for.
TEST_F(gui_AdvancedOnSim, LeavingAnUntouchedValueCellValidatesItsRow) {
    StartSim(GW_DRAVO, EXTENDED);
    ReadUnit();
    sim->WithCore([](CGwSimCore& core) {
        core.SetRegister(0, 0xF800, 0);
        core.SetRegister(0, 0xF801, 700);
    });
    std::vector<std::string> seenAfterDown, seenAfterNextDown;
    int wholeRows = 0;
    CDialogDriver driver(
        "DrvObsrvForm",
        [&](QDialog* dialog) {
            auto* grid = dialog->findChild<QTableWidget*>("sgPara");
            const int viewHeight = grid->viewport()->height();
            for (int row = 0; row < grid->rowCount(); ++row)
                if (grid->rowViewportPosition(row) + grid->rowHeight(row) <= viewHeight) ++wholeRows;
            EXPECT_GT(grid->rowViewportPosition(10) + grid->rowHeight(10), viewHeight) << "row 11 scrolls";
            EXPECT_EQ(grid->item(0, 3)->text(), "700");
            grid->setFocus();
            ASSERT_EQ(grid->currentRow(), 0);
            QTest::keyClick(grid, Qt::Key_Down);
            seenAfterDown = SeenTexts();
            QTest::keyClick(grid, Qt::Key_Down);
            seenAfterNextDown = SeenTexts();
            dialog->close();
        },
        [](QDialog* dialog) { return dialog->findChild<QPushButton*>("btnWrite")->isEnabled(); });
    Trigger("MenuDrvObsrv");
    ASSERT_TRUE(driver.ran);
    EXPECT_EQ(wholeRows, 10);
    const std::vector<std::string> refused{Shown("Illegal Data Value(OMPV)\r\nPlease input 200-600")};
    EXPECT_EQ(seenAfterDown, refused);
    EXPECT_EQ(seenAfterNextDown, refused) << "OMWT's valid value shows nothing";
}

// The dialog closes itself after the failed read; should it stay open, the test closes it and fails.
TEST_F(gui_AdvancedOnSim, SilentUnitClosesTheDriverDialogWithDataReadFailure) {
    StartSim(GW_DRAVO, EXTENDED);
    ReadUnit();
    sim->WithCore([](CGwSimCore& core) { core.Faults().silent = true; });
    f->session.core.link.SetResponseTimeout(100);
    bool stayedOpen = false;
    QTimer::singleShot(30000, [&stayedOpen] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "DrvObsrvForm" && w->isVisible()) {
                stayedOpen = true;
                w->close();
            }
        }
    });
    Trigger("MenuDrvObsrv");
    EXPECT_FALSE(stayedOpen);
    ASSERT_FALSE(boxes.seen.empty());
    EXPECT_EQ(boxes.seen.back().text, Shown("Data read failure\r\n"));
    EXPECT_FALSE(f->session.core.form.flags.commBusy);
    EXPECT_EQ(f->Find<QProgressBar>("ProgressBar1")->maximum(), 100);
}

// The pages as the widgets show them for NUB3 GW outside ExtendedMode.
TEST(gui_SpecialParaForm2, Nub3PagesThroughTheTabs) {
    ParameterImage image;
    SProgramValues program;
    program.SelectedGwType = GW_NUB3GW;
    program.Comm.ToolFlags = TOOLFLAG_VALID;
    SMainFlags flags;
    TSpecialParaForm2 dialog(image, program, flags);
    dialog.show();
    auto* tabs = dialog.findChild<QTabBar*>("TabControl1");
    EXPECT_EQ(
        VisibleLabels(&dialog, "lBit"),
        (std::vector<std::string>{"Latch in ERR_T/C", "SERVO-OFF in ERR_C ", "unit velocity(Only Full Mode)",
                                  "Internal communication retry count"}));
    EXPECT_FALSE(dialog.findChild<QComboBox*>("cbBit4")->isEnabled()) << "no Full-mode axis";
    EXPECT_EQ(dialog.findChild<QComboBox*>("cbBit8")->currentText(), "2");
    EXPECT_EQ(image.Word(GMOD), 0x0300);
    const int height = dialog.height();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(VisibleLabels(&dialog, "lBit"), (std::vector<std::string>{"RTC function"}));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    EXPECT_EQ(VisibleLabels(&dialog, "lBit"),
              (std::vector<std::string>{"BYTE swap", "WORD swap in D-WORD Data"}));
    EXPECT_EQ(dialog.height(), height) << "every page has one height";
    EXPECT_FALSE(flags.specialParamsModified);
    Choose(dialog.findChild<QComboBox*>("cbBit1"), 1);
    EXPECT_EQ(image.ExtParam2, 0x0002);
    EXPECT_TRUE(flags.specialParamsModified);
}

TEST(gui_SpecialParaForm, RetryCountThroughTheList) {
    ParameterImage image;
    image.Word(GVER) = 20;
    image.Word(GMOD) = 0x0100;
    image.GmodSnapshot = 0x0100;
    SProgramValues program;
    program.SelectedGwType = GW_KAVELIS;
    program.Comm.ToolFlags = TOOLFLAG_VALID;
    ComboState w8n;
    w8n.items = {"0", "1"};
    w8n.index = 0;
    SMainFlags flags;
    TSpecialParaForm dialog(image, program, w8n, flags);
    dialog.show();
    auto* retry = dialog.findChild<QComboBox*>("cbGMODbit8");
    EXPECT_EQ(dialog.findChild<QLabel*>("lGMODbit8")->text(), "Internal communication retry count");
    EXPECT_EQ(retry->count(), 7);
    EXPECT_EQ(retry->currentText(), "0");
    EXPECT_FALSE(dialog.findChild<QComboBox*>("cbCEN")->isEnabled());
    Choose(retry, 6);
    EXPECT_EQ(image.Word(GMOD), 0x0700);
    QTest::mouseClick(dialog.findChild<QPushButton*>("OKbutton"), Qt::LeftButton);
    EXPECT_TRUE(flags.specialParamsModified);
}

}  // namespace
