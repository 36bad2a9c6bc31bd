// The traffic monitor window on the line of a read against the simulated gateway, one of whose replies
// arrives garbled; and the window opened with nothing connected.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "core/app/texts/TrafficMonitorText.h"
#include "core/procedures/ReadParameters.h"
#include "gui/monitors/TTrafficMonitorForm.h"
#include "tests/procedures/SessionOnSim.h"

namespace {

// Where the pictures of the window go for review, when the run asks for them.
void SaveScreenshot(QWidget& window, const char* name) {
    const QByteArray folder = qgetenv("GW_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    QDir().mkpath(QString::fromUtf8(folder));
    window.grab().save(QString::fromUtf8(folder) + "/" + name);
}

QString CellText(QTableView* grid, int row, ETrafficColumn column) {
    return grid->model()->index(row, static_cast<int>(column)).data().toString();
}

int RowWithVerdict(QTableView* grid, const QString& verdict) {
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        if (CellText(grid, row, ETrafficColumn::Verdict) == verdict) return row;
    return -1;
}

class TrafficWindow : public SessionOnSim {
protected:
    template <class T>
    T* Child(const char* name) {
        T* child = form->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void Open() {
        form = new TTrafficMonitorForm(session);
        form->show();
    }
    void TearDown() override { delete form; }

    TTrafficMonitorForm* form = nullptr;
};

TEST_F(TrafficWindow, OpensWithNothingConnected) {
    Open();
    auto* grid = Child<QTableView>("gridFrames");
    EXPECT_EQ(grid->model()->rowCount(), 0);
    EXPECT_EQ(grid->model()->columnCount(), static_cast<int>(TRAFFIC_COLUMNS));
    EXPECT_EQ(Child<QComboBox>("cbFunction")->count(), 1);
    EXPECT_TRUE(Child<QPlainTextEdit>("memoDecoding")->toPlainText().isEmpty());
    for (const char* name :
         {"cbSlave", "chkFailuresOnly", "btnPause", "btnClear", "btnSaveText", "btnSavePcap"})
        Child<QWidget>(name);
    EXPECT_EQ(form->windowTitle(), "Traffic Monitor");
}

// The first reply to the first read comes with a bad CRC; the retry is answered. The window, open all
// along, shows the failed receive and the retry while the read goes on.
TEST_F(TrafficWindow, ShowsAReadWithAFailedReceiveWhileItRuns) {
    Start(SimOf(GW_VOSK));
    Open();
    SSimFaults corrupt;
    corrupt.corruptCrc = true;
    bool faultCleared = false;
    bool shot = false;
    host.onPump = [&] {
        QCoreApplication::processEvents();
        const CTrafficMonitor& monitor = form->Monitor();
        if (!faultCleared && monitor.KeptCount() > 0 &&
            monitor.Cell(monitor.RowCount() - 1, ETrafficColumn::Verdict) == "CRC error") {
            SetFaults({});
            faultCleared = true;
        }
        if (faultCleared && !shot && monitor.KeptCount() >= 9) {
            form->Render();
            auto* grid = form->findChild<QTableView*>("gridFrames");
            grid->setCurrentIndex(grid->model()->index(RowWithVerdict(grid, "CRC error"), 0));
            SaveScreenshot(*form, "traffic_monitor_during_read.png");
            shot = true;
        }
    };
    // The speed switch first, then the fault, so that the broadcast goes out as always.
    bool armed = false;
    session.link.SetResponseTimeout(400);
    host.onPump = [&, pump = host.onPump]() mutable {
        if (!armed && form->Monitor().KeptCount() >= 1) {
            SetFaults(corrupt);
            armed = true;
        }
        pump();
    };
    host.answers = {ID_YES};
    ASSERT_EQ(ReadParameters(session), COMM_OK);
    EXPECT_TRUE(faultCleared);
    EXPECT_TRUE(shot);
    form->Render();

    auto* grid = Child<QTableView>("gridFrames");
    const int failedRow = RowWithVerdict(grid, "CRC error");
    ASSERT_GE(failedRow, 0);
    EXPECT_EQ(CellText(grid, failedRow + 2, ETrafficColumn::Verdict), "OK, attempt 2");
    EXPECT_EQ(CellText(grid, failedRow + 1, ETrafficColumn::Direction), "TX");

    // The decoding of the selected reply below the table.
    grid->setCurrentIndex(grid->model()->index(failedRow + 2, 0));
    const QString decoding = Child<QPlainTextEdit>("memoDecoding")->toPlainText();
    EXPECT_TRUE(decoding.contains("11h report slave ID: id ")) << decoding.toStdString();
    EXPECT_TRUE(decoding.contains("attempt 2"));

    Child<QCheckBox>("chkFailuresOnly")->setChecked(true);
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(CellText(grid, 0, ETrafficColumn::Verdict), "CRC error");
    SaveScreenshot(*form, "traffic_monitor_failures_only.png");
    Child<QCheckBox>("chkFailuresOnly")->setChecked(false);

    auto* pause = Child<QPushButton>("btnPause");
    QTest::mouseClick(pause, Qt::LeftButton);
    EXPECT_EQ(pause->text(), "Resume");
    const int rows = grid->model()->rowCount();
    host.answers = {ID_YES};
    ASSERT_EQ(ReadParameters(session), COMM_OK);
    form->Render();
    EXPECT_EQ(grid->model()->rowCount(), rows);
    QTest::mouseClick(Child<QPushButton>("btnClear"), Qt::LeftButton);
    EXPECT_EQ(grid->model()->rowCount(), 0);
}

// Save as PCAP offers pcapng first and classic PCAP second; the name chosen decides the format.
TEST_F(TrafficWindow, SavesTheConversationAsPcapngOrClassicPcap) {
    Start(SimOf(GW_VOSK));
    Open();
    host.answers = {ID_YES};
    ASSERT_EQ(ReadParameters(session), COMM_OK);
    QTemporaryDir folder;
    const QStringList filters{QString::fromUtf8(TrafficMonitorText::PCAPNG_FILTER.data()),
                              QString::fromUtf8(TrafficMonitorText::PCAP_FILTER.data())};
    struct SCase {
        const char* name;
        std::string fileStart;
    };
    const std::vector<SCase> cases{{"conversation.pcapng", std::string("\x0A\x0D\x0D\x0A", 4)},
                                   {"conversation.pcap", std::string("\xD4\xC3\xB2\xA1", 4)}};
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.filePath(c.name);
        bool chosen = false;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible()) return;
            dialog->setDirectory(folder.path());
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(c.name);
            if (dialog->selectedFiles() != QStringList{path}) return;
            timer.stop();
            EXPECT_EQ(dialog->objectName(), "SavePcapDialog");
            EXPECT_EQ(dialog->nameFilters(), filters);
            EXPECT_EQ(dialog->defaultSuffix(), "pcapng");
            chosen = true;
            static_cast<QDialog*>(dialog)->accept();
        });
        timer.start(20);
        QTest::mouseClick(Child<QPushButton>("btnSavePcap"), Qt::LeftButton);
        ASSERT_TRUE(chosen);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(bytes.left(4).toStdString(), c.fileStart);
        // pcapng names the port the frames went over; classic PCAP has no room for it.
        EXPECT_EQ(bytes.contains("/dev/pts/"), std::string(c.name).ends_with(".pcapng"));
    }
}

// Gone, the window leaves the link: later exchanges reach no observer (a sanitizer build would see a
// report to the destroyed window).
TEST_F(TrafficWindow, ClosingDetachesFromTheLink) {
    Start(SimOf(GW_VOSK));
    Open();
    delete form;
    form = nullptr;
    host.answers = {ID_YES};
    EXPECT_EQ(ReadParameters(session), COMM_OK);
}

}  // namespace
