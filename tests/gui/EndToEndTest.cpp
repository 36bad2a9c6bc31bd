// The whole round trip through the widgets against a simulated gateway on a pseudo-terminal: Read, an
// edit of the axis count and of a mode cell, Write with the restart. What counts is what the simulated
// unit holds afterwards, not the tool's own image.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"
#include "core/files/ParameterFileIo.h"
#include "sim/SimPtyServer.h"
#include "tests/gui/MainWindowFixture.h"
#include "tests/gui/MessageBoxWatcher.h"

namespace {

constexpr int SIM_COM = 1;
constexpr std::uint16_t REG_CONFIG = 0xF100;
constexpr std::uint16_t REG_AXES = 0xF110;
constexpr std::uint16_t REG_MIRROR = 0xF280;
constexpr std::uint16_t SIMPLE = 0x0000;
constexpr std::uint16_t NO_SLOT = 0xFFFF;

// Presses OK on the PIO pattern reminder whenever it is shown, and counts how often it was.
class CPioPatternCloser {
public:
    CPioPatternCloser() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(10);
    }
    int shown = 0;

private:
    void Poll() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != "ParaAndPIOForm" || !w->isVisible()) continue;
            ++shown;
            QTest::mouseClick(w->findChild<QPushButton*>("OKbutton"), Qt::LeftButton);
            return;
        }
    }
    QTimer timer_;
};

// The window's title while no file is open.
std::string PlainTitle() {
    return std::string(UiText[0]);
}

// A VOSK window whose COM1 is a simulated VOSK unit 0 with eight axis slots.
class gui_VoskWindowOnSim : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sim.Start(), 0);
        f.session.core.link.SetPortOverrides({{SIM_COM, sim.DevicePath()}});
        f.session.core.link.SetResponseTimeout(400);
        f.session.core.program.Comm.CurrentPortNum = SIM_COM;
        f.session.core.program.Comm.CurrentBaudIndex = 4;
    }
    void TearDown() override { f.session.core.link.Close(); }

    static SSimConfig Config() {
        SSimConfig config;
        config.type = GW_VOSK;
        config.axes = 8;
        return config;
    }
    std::uint16_t UnitRegister(std::uint16_t address) {
        return sim.WithCore([&](CGwSimCore& core) { return core.Register(0, address); });
    }
    void Press(const char* button) { QTest::mouseClick(f.Find<QPushButton>(button), Qt::LeftButton); }

    CSimPtyServer sim{Config()};
    SMainWindowFixture f{GW_VOSK};
};

TEST_F(gui_VoskWindowOnSim, ReadEditAndWriteThroughTheWidgetsReachTheUnit) {
    CMessageBoxWatcher boxes;
    CPioPatternCloser pioPattern;
    auto* grid = f.Find<QTableWidget>("StringGrid1");

    // Read: the question (Yes), then the success note.
    boxes.answers = {QMessageBox::Yes, QMessageBox::Ok};
    Press("Button2");
    ASSERT_EQ(boxes.seen.size(), 2u);
    EXPECT_EQ(boxes.seen[1].text, MsgText[2]);
    EXPECT_EQ(f.CellText(grid, 2, 1), "*") << "the unit's first pair is in Point1 mode";
    const std::uint16_t network = UnitRegister(REG_CONFIG + NTYP);
    ASSERT_EQ(UnitRegister(REG_CONFIG + DSZO), 88);

    // One pair of axes instead of four, and that pair switched to Simple by a click in its row.
    auto* pairs = f.Find<QComboBox>("cbW1N");
    pairs->setFocus();
    QTest::keyClick(pairs, Qt::Key_Home);
    QTest::keyClick(pairs, Qt::Key_Down);
    ASSERT_EQ(pairs->currentIndex(), 1);
    f.ClickCell(grid, 1, 1);
    EXPECT_EQ(f.CellText(grid, 1, 1), "*");
    EXPECT_EQ(f.CellText(grid, 1, 2), "*");
    // The network words as the edit left them in the window, to be found in the unit after the write.
    const auto edited = f.session.core.image.GwConfigBlock;

    // Write: the question (Yes), the success note, the restart (Yes), then the read-back's question and
    // its note; the PIO pattern reminder follows.
    boxes.seen.clear();
    boxes.answers = {QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Ok};
    Press("Button3");
    std::vector<std::string> captions;
    for (const SSeenBox& box : boxes.seen) captions.push_back(box.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Confirmation", "Information", "Confirmation",
                                                  "Confirmation", "Information"}));
    EXPECT_TRUE(boxes.answers.empty());
    EXPECT_EQ(pioPattern.shown, 1);

    for (int i = 0; i < 16; ++i) {
        const std::uint16_t expected = i < 2 ? SIMPLE : NO_SLOT;
        EXPECT_EQ(UnitRegister(static_cast<std::uint16_t>(REG_AXES + i)), expected) << "axis word " << i;
        if (i < 8) {
            EXPECT_EQ(UnitRegister(static_cast<std::uint16_t>(REG_MIRROR + i)), expected) << "mirror " << i;
        }
    }
    for (int i : {NTYP, NMOD, DADR, DBPS, FINX, W4N, W8N})
        EXPECT_EQ(UnitRegister(static_cast<std::uint16_t>(REG_CONFIG + i)), edited[i])
            << "F10" << std::hex << i;
    EXPECT_EQ(UnitRegister(REG_CONFIG + NTYP), network) << "the network stays";
    EXPECT_EQ(UnitRegister(REG_CONFIG + FINX), 1) << "the last occupied axis word";
    EXPECT_EQ(UnitRegister(REG_CONFIG + W4N), 2) << "two axis words";
    // The data sizes are worked out for the write: the 16-byte header and 8 bytes for each Simple axis,
    // the same both ways (the unit held 88 for its four pairs before).
    EXPECT_EQ(UnitRegister(REG_CONFIG + DSZO), 16 + 2 * 8);
    EXPECT_EQ(UnitRegister(REG_CONFIG + DSZI), 16 + 2 * 8);

    // The read-back shows the unit's new set, and the window is free again.
    EXPECT_EQ(pairs->currentIndex(), 1);
    EXPECT_EQ(f.CellText(grid, 1, 1), "*");
    EXPECT_FALSE(f.session.core.form.flags.commBusy);
    EXPECT_TRUE(f.session.core.windowEnabled);
    EXPECT_TRUE(f.Find<QPushButton>("Button2")->isEnabled());
    EXPECT_TRUE(f.Find<QPushButton>("Button3")->isEnabled());
    EXPECT_TRUE(f.Find<QMenu>("MenuFile1")->menuAction()->isEnabled());
}

// The window's size is fixed by its layout; what a read shows (the fieldbus module's version, the
// data size row of the unit's network) has its room from the start, so the window does not grow.
TEST_F(gui_VoskWindowOnSim, AReadLeavesTheWindowsSizeAsItWas) {
    CMessageBoxWatcher boxes;
    const QSize before = f.window->size();
    boxes.answers = {QMessageBox::Yes, QMessageBox::Ok};
    Press("Button2");
    ASSERT_EQ(boxes.seen.size(), 2u);
    ASSERT_EQ(boxes.seen[1].text, MsgText[2]);
    QApplication::processEvents();
    EXPECT_EQ(f.window->size(), before);
}

// A file dropped and the close box clicked while a Read is talking to the unit (delivered by the event
// pumping of its exchanges) change nothing: no file replaces the image, no question is asked, and the
// window stays open; once the Read has ended the window takes both again.
TEST_F(gui_VoskWindowOnSim, DropAndCloseDuringAReadChangeNothing) {
    const std::string file = QDir::temp().filePath("gw-drop-during-read.vogw").toStdString();
    ASSERT_EQ(WriteParameterFile(file, f.session.core.image, GW_VOSK), 0);
    f.session.core.form.flags.unitNoModified = true;  // a close would ask about it
    CMessageBoxWatcher boxes;
    boxes.answers = {QMessageBox::Yes, QMessageBox::Ok};

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file))});
    bool tried = false;
    bool enterAccepted = true;
    bool visibleAfterClose = false;
    std::string captionAfterDrop;
    QTimer during;
    QObject::connect(&during, &QTimer::timeout, [&] {
        if (tried || !f.session.core.form.flags.commBusy) return;
        tried = true;
        QDragEnterEvent enter(QPoint(20, 80), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &enter);
        enterAccepted = enter.isAccepted();
        QDropEvent drop(QPointF(20, 80), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.window.get(), &drop);
        captionAfterDrop = f.window->windowTitle().toStdString();
        f.window->close();
        visibleAfterClose = f.window->isVisible();
    });
    during.start(5);
    Press("Button2");
    during.stop();

    ASSERT_TRUE(tried);
    EXPECT_FALSE(enterAccepted);
    EXPECT_EQ(captionAfterDrop, PlainTitle());
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_TRUE(f.window->isVisible());
    ASSERT_EQ(boxes.seen.size(), 2u) << "only the Read's question and its note";
    EXPECT_EQ(boxes.seen[1].text, MsgText[2]);
    EXPECT_EQ(f.window->windowTitle().toStdString(), PlainTitle());
    EXPECT_TRUE(f.session.core.link.IsOpen());

    QDragEnterEvent enter(QPoint(20, 80), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QFile::remove(QString::fromStdString(file));
}

}  // namespace
