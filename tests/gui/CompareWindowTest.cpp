// The File menu's Compare with unit through the main window against a simulated gateway on a
// pseudo-terminal: the compare window lists the differing fields, Keep leaves the window's set, Take
// replaces it.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <fstream>
#include <functional>

#include "core/files/ParameterFileReader.h"
#include "sim/SimPtyServer.h"
#include "tests/files/ImageCompare.h"
#include "tests/gui/MainWindowFixture.h"

namespace {

class CompareWindow : public ::testing::Test {
protected:
    void SetUp() override {
        SSimConfig config;
        config.type = GW_VOSK;
        sim = std::make_unique<CSimPtyServer>(config);
        ASSERT_EQ(sim->Start(), 0);
        sim->WithCore([](CGwSimCore& core) { core.SetRegister(0, 0xF201, 1); });
        CSession& core = main.session.core;
        core.link.SetPortOverrides({{1, sim->DevicePath()}});
        core.link.SetResponseTimeout(400);
        std::ifstream in(std::string(GW_TEST_DATA_DIR) + "/vosk.vogw", std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_EQ(LoadParameterText(bytes, GW_VOSK, core.image), PFILE_LOADED);
        main.controller->RefreshDisplay();
    }

    // Chooses Compare with unit; `act` runs on the compare window once it is shown.
    void CompareWithUnit(const std::function<void(QDialog*)>& act) {
        bool shown = false;
        // The read runs first, pumping the events; the window appears when it is done.
        QTimer poller;
        poller.setInterval(20);
        QObject::connect(&poller, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QDialog*>(w);
                if (dialog == nullptr || w->objectName() != "CompareForm" || !w->isVisible()) continue;
                poller.stop();
                shown = true;
                act(dialog);
                return;
            }
        });
        poller.start();
        main.Find<QAction>("MenuCompareUnit")->trigger();
        poller.stop();
        EXPECT_TRUE(shown);
    }

    SMainWindowFixture main{GW_VOSK};
    std::unique_ptr<CSimPtyServer> sim;
};

TEST_F(CompareWindow, MenuItemsStandInTheFileMenu) {
    EXPECT_EQ(main.Find<QAction>("MenuCompareUnit")->text().toStdString(), "Compare with &unit...");
    EXPECT_EQ(main.Find<QAction>("MenuCompareFile")->text().toStdString(), "Compare with &file...");
    EXPECT_TRUE(main.Find<QAction>("MenuCompareUnit")->isEnabled());
}

TEST_F(CompareWindow, KeepLeavesTheWindowsSetAndTakeReplacesIt) {
    const ParameterImage before = main.session.core.image;
    CompareWithUnit([](QDialog* dialog) {
        auto* table = dialog->findChild<QTableWidget*>("sgDifferences");
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->horizontalHeaderItem(3)->text().toStdString(), "Unit");
        bool listed = false;
        for (int row = 0; row < table->rowCount(); ++row) {
            if (table->item(row, 0)->text() != "UnitNo.") continue;
            listed = true;
            EXPECT_EQ(table->item(row, 1)->text().toStdString(), "F200");
            EXPECT_EQ(table->item(row, 2)->text().toStdString(), "0");
            EXPECT_EQ(table->item(row, 3)->text().toStdString(), "1");
        }
        EXPECT_TRUE(listed);
        EXPECT_TRUE(dialog->findChild<QPushButton*>("btnTake")->isVisible());
        dialog->findChild<QPushButton*>("btnKeep")->click();
    });
    EXPECT_TRUE(SameImage(main.session.core.image, before));

    CompareWithUnit([](QDialog* dialog) { dialog->findChild<QPushButton*>("btnTake")->click(); });
    EXPECT_EQ(main.session.core.image.UnitNo, 1);
    EXPECT_EQ(main.window->windowTitle().toStdString(),
              "Parameter Configuration Tool for Orvane GateWay Unit");

    // The window now holds the unit's set: the compare window says so and offers nothing to take.
    CompareWithUnit([](QDialog* dialog) {
        EXPECT_FALSE(dialog->findChild<QTableWidget*>("sgDifferences")->isVisible());
        EXPECT_FALSE(dialog->findChild<QPushButton*>("btnTake")->isVisible());
        EXPECT_FALSE(dialog->findChild<QLabel*>("lblSummary")->text().isEmpty());
        dialog->findChild<QPushButton*>("btnKeep")->click();
    });
}

}  // namespace
