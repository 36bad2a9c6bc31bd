// Setting > Check connection... against a simulated gateway: the steps appear while the check runs, the
// window refuses to close meanwhile, and the verdict and fix are shown at the end.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <functional>

#include "core/diagnosis/ConnectionVerdict.h"
#include "sim/SimPtyServer.h"
#include "tests/gui/MainWindowFixture.h"

namespace {

constexpr int POLL_MS = 20;

QWidget* ShownDialog() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "ConnectionCheckForm" && w->isVisible()) return w;
    }
    return nullptr;
}

// Calls `act` on the dialog every POLL_MS until it returns true.
void PollDialog(const std::function<bool(QWidget*)>& act) {
    QTimer::singleShot(POLL_MS, [act] {
        QWidget* dialog = ShownDialog();
        if (dialog == nullptr || !act(dialog)) PollDialog(act);
    });
}

QString Cell(QWidget* dialog, int row, int col) {
    const QTableWidgetItem* item = dialog->findChild<QTableWidget*>("gridSteps")->item(row, col);
    return item != nullptr ? item->text() : QString();
}

TEST(gui_ConnectionCheckForm, ShowsStepsLiveRefusesToCloseWhileRunningThenShowsVerdict) {
    SSimConfig config;
    config.type = GW_KAVELIS;
    CSimPtyServer sim(config);
    ASSERT_EQ(sim.Start(), 0);
    sim.WithCore([](CGwSimCore& core) { core.Faults().delayMs = 400; });
    SMainWindowFixture f(GW_KAVELIS);
    f.session.core.program.Comm.CurrentBaudIndex = 4;
    f.session.core.link.SetPortOverrides({{1, sim.DevicePath()}});

    bool sawRunning = false;
    bool refusedClose = false;
    std::string verdict, fix;
    int rows = 0;
    PollDialog([&](QWidget* dialog) {
        auto* close = dialog->findChild<QPushButton*>("btnClose");
        if (!close->isEnabled()) {
            if (Cell(dialog, 2, 0) == "line" && Cell(dialog, 2, 1) == "running") {
                sawRunning = true;
                static_cast<QDialog*>(dialog)->reject();
                refusedClose = dialog->isVisible();
            }
            return false;
        }
        verdict = dialog->findChild<QLabel*>("lblVerdict")->text().toStdString();
        fix = dialog->findChild<QLabel*>("lblFix")->text().toStdString();
        rows = dialog->findChild<QTableWidget*>("gridSteps")->rowCount();
        close->click();
        return true;
    });
    f.Find<QAction>("MenuCheckConnection")->trigger();

    EXPECT_TRUE(sawRunning);
    EXPECT_TRUE(refusedClose);
    EXPECT_EQ(verdict, "Verdict: ok");
    EXPECT_EQ(fix, VerdictFix(EConnectionVerdict::Ok));
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(ShownDialog(), nullptr);
    EXPECT_FALSE(f.session.core.form.flags.commBusy);
    EXPECT_FALSE(f.session.core.link.IsOpen());
}

}  // namespace
