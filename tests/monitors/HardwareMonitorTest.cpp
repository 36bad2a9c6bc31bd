#include <unistd.h>

#include <filesystem>

#include "core/app/texts/MsgText.h"
#include "core/link/CommResult.h"
#include "core/monitors/HardwareMonitor.h"
#include "tests/monitors/MonitorOnSim.h"

namespace {

class HardwareMonitorOnSim : public MonitorOnSim {
protected:
    void SetWords(const std::array<std::uint16_t, 10>& words) {
        FreezeLiveValues();
        for (int i = 0; i < 10; ++i) SetUnitRegister(static_cast<std::uint16_t>(0xF900 + i), words[i]);
    }
    std::vector<std::string> Values(const CHardwareMonitor& monitor) {
        std::vector<std::string> texts;
        for (const auto& v : monitor.values) texts.push_back(v.text);
        return texts;
    }
};

TEST_F(HardwareMonitorOnSim, StartsWithTheDesignTextsAndNothingRead) {
    StartMonitor(SimOf(GW_VOSK));
    CHardwareMonitor monitor(session);
    EXPECT_EQ(monitor.Caption, "Hardware Monitor");
    EXPECT_EQ(Values(monitor),
              (std::vector<std::string>{"0.0", "0.0", "0.0", "0.0", "0.0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(monitor.names[2].text, "Encorder Voltage A");
    EXPECT_EQ(monitor.names[5].text, "Fan Round");
    EXPECT_EQ(monitor.units[0].text, "V");
    EXPECT_EQ(monitor.units[5].text, "rpm");
    EXPECT_EQ(monitor.units[9].text, "deg C");
    EXPECT_EQ(monitor.colons[4].text, ":");
    EXPECT_TRUE(RequestLog().empty());
}

TEST_F(HardwareMonitorOnSim, TickScalesEachValue) {
    StartMonitor(SimOf(GW_VOSK_ML3));
    CHardwareMonitor monitor(session);
    const struct {
        std::array<std::uint16_t, 10> words;
        std::vector<std::string> texts;
    } steps[] = {
        {{241, 240, 59, 1, 65535, 123, 38, 0, 65535, 41},
         {"24.1", "24", "5.9", "0.1", "6553.5", "1230", "38", "0", "65535", "41"}},
        // A voltage word of 0 leaves the text shown; fan and temperatures show 0.
        {{0, 0, 58, 0, 68, 0, 0, 1, 2, 3}, {"24.1", "24", "5.8", "0.1", "6.8", "0", "0", "1", "2", "3"}},
    };
    for (const auto& step : steps) {
        SetWords(step.words);
        ASSERT_EQ(monitor.Timer1Timer(), COMM_OK);
        EXPECT_EQ(Values(monitor), step.texts);
        EXPECT_EQ(monitor.words, step.words);
    }
    EXPECT_EQ(RequestsSince(0), (std::vector<std::pair<int, int>>{{0x03, 0xF900}, {0x03, 0xF900}}));
}

TEST_F(HardwareMonitorOnSim, VoltageZeroBeforeAnyReadingKeepsTheInitialText) {
    StartMonitor(SimOf(GW_VOSK_LC));
    CHardwareMonitor monitor(session);
    SetWords({0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    ASSERT_EQ(monitor.Timer1Timer(), COMM_OK);
    EXPECT_EQ(Values(monitor),
              (std::vector<std::string>{"0.0", "0.0", "0.0", "0.0", "0.0", "0", "0", "0", "0", "0"}));
}

// A failed read shows its box, keeps the values and the window, and the next tick tries again.
TEST_F(HardwareMonitorOnSim, FailedReadShowsTheBoxAndPollingGoesOn) {
    for (const bool closeTheLine : {false, true}) {
        SCOPED_TRACE(closeTheLine ? "line closed mid-poll" : "unit silent");
        host.boxes.clear();
        StartMonitor(SimOf(GW_VOSK));
        CHardwareMonitor monitor(session);
        SetWords({241, 240, 59, 58, 68, 300, 38, 40, 36, 41});
        ASSERT_EQ(monitor.Timer1Timer(), COMM_OK);
        if (closeTheLine) {
            CloseLineOnNextPump();
        } else {
            FallSilent();
        }
        EXPECT_NE(monitor.Timer1Timer(), COMM_OK);
        EXPECT_EQ(host.boxes.back().text, MsgText[54]);
        EXPECT_EQ(host.boxes.back().style & MB_ICON_MASK, MB_ICON_INFORMATION);
        EXPECT_FALSE(monitor.poll.busy);
        EXPECT_TRUE(session.form.MenuMoniter1.enabled) << "this monitor leaves the menu alone";
        EXPECT_EQ(monitor.values[0].text, "24.1");

        if (!closeTheLine) {
            FallSilent(false);
            ASSERT_EQ(monitor.Timer1Timer(), COMM_OK) << "the next tick tries again";
        }
    }
}

// The adapter vanished and came back under the same path: after the failed tick the next one opens
// the link again, brings the unit to the configured speed and reads.
TEST_F(HardwareMonitorOnSim, TickAfterTheDeviceCameBackOpensTheLinkAgain) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("gw-hardware-recovery-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string linkPath = (folder / "COM7").string();
    const auto serveAtLinkPath = [&] {
        sim.reset();
        sim = std::make_unique<CSimPtyServer>(SimOf(GW_VOSK));
        ASSERT_EQ(sim->Start(linkPath), 0);
        session.link.SetPortOverrides({{SESSION_SIM_COM, linkPath}});
    };
    StartMonitor(SimOf(GW_VOSK));
    serveAtLinkPath();
    session.link.Close();
    session.form.flags.portOpen = false;
    ASSERT_EQ(session.OpenPortIfClosed(), 0);
    ASSERT_EQ(session.SwitchSpeed(), 0);
    CHardwareMonitor monitor(session);
    ASSERT_EQ(monitor.Timer1Timer(), COMM_OK);

    sim.reset();
    EXPECT_NE(monitor.Timer1Timer(), COMM_OK);
    EXPECT_EQ(host.boxes.back().text, MsgText[54]);
    serveAtLinkPath();
    SetWords({241, 240, 59, 58, 68, 300, 38, 40, 36, 41});
    host.boxes.clear();
    EXPECT_EQ(monitor.Timer1Timer(), COMM_OK);
    EXPECT_EQ(monitor.values[0].text, "24.1");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(monitor.Timer1Timer(), COMM_OK);
    EXPECT_EQ(RequestsSince(0).back(), (std::pair<int, int>{0x03, 0xF900}));
    sim.reset();
    std::filesystem::remove_all(folder);
}

// A voltage the unit reports as 0 keeps the text shown before: the monitor says which texts are held.
TEST_F(HardwareMonitorOnSim, HeldVoltagesAreMarked) {
    StartMonitor(SimOf(GW_VOSK));
    CHardwareMonitor monitor(session);
    SetWords({241, 240, 59, 58, 68, 300, 38, 40, 36, 41});
    ASSERT_EQ(monitor.Timer1Timer(), COMM_OK);
    EXPECT_EQ(monitor.held, (std::array<bool, 10>{}));
    SetWords({0, 240, 59, 58, 0, 0, 0, 40, 36, 41});
    ASSERT_EQ(monitor.Timer1Timer(), COMM_OK);
    EXPECT_EQ(monitor.values[0].text, "24.1");
    EXPECT_EQ(monitor.held,
              (std::array<bool, 10>{true, false, false, false, true, false, false, false, false, false}));
}

TEST_F(HardwareMonitorOnSim, TicksDuringTheReadOrItsFailureBoxDoNothing) {
    StartMonitor(SimOf(GW_VOSK));
    CHardwareMonitor monitor(session);
    int nested = 0;
    host.onPump = [&] {
        ++nested;
        EXPECT_EQ(monitor.Timer1Timer(), COMM_OK);
    };
    ASSERT_EQ(monitor.Timer1Timer(), COMM_OK);
    EXPECT_GT(nested, 0);
    EXPECT_EQ(RequestLog().size(), 1u);
}

}  // namespace
