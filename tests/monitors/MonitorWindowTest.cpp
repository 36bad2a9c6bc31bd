#include <gtest/gtest.h>

#include "core/monitors/MonitorWindow.h"
#include "tests/support/ScriptedHost.h"

namespace {

TEST(MonitorWindow, MenuItemsNameTheirMonitors) {
    EXPECT_EQ(MonitorKindOfMenuItem("MenuRegMoniter1"), EMonitorKind::RegisterMonitor);
    EXPECT_EQ(MonitorKindOfMenuItem("MenuRS485SIO1"), EMonitorKind::Rs485SioTest);
    EXPECT_EQ(MonitorKindOfMenuItem("MenuAllIO"), EMonitorKind::AxisMonitor);
    EXPECT_EQ(MonitorKindOfMenuItem("MenuErrTC_Moniter1"), EMonitorKind::DiagnosticCounters);
    EXPECT_EQ(MonitorKindOfMenuItem("MenuAlarmlist"), EMonitorKind::AlarmList);
    EXPECT_EQ(MonitorKindOfMenuItem("MenuHardmonitor"), EMonitorKind::HardwareMonitor);
    EXPECT_FALSE(MonitorKindOfMenuItem("MenuPIO1").has_value());
}

struct SWhileOpen {
    int progressMax = -1;
    bool rs485 = false;
};

class MonitorWindowRules : public ::testing::Test {
protected:
    SWhileOpen Run(EMonitorKind kind) {
        SWhileOpen seen;
        RunMonitorWindow(session, kind, [&] {
            seen.progressMax = session.form.progressMax;
            seen.rs485 = session.form.flags.rs485SioMode;
        });
        return seen;
    }
    ScriptedHost host;
    CSession session{host};
};

TEST_F(MonitorWindowRules, ProgressBarAndSioFlagWhileOpen) {
    for (EMonitorKind kind :
         {EMonitorKind::RegisterMonitor, EMonitorKind::Rs485SioTest, EMonitorKind::AxisMonitor,
          EMonitorKind::AlarmList, EMonitorKind::DiagnosticCounters, EMonitorKind::HardwareMonitor}) {
        const SWhileOpen seen = Run(kind);
        EXPECT_EQ(seen.progressMax, 0);
        EXPECT_EQ(seen.rs485, kind == EMonitorKind::Rs485SioTest);
        EXPECT_EQ(session.form.progressMax, 100);
        EXPECT_FALSE(session.form.flags.rs485SioMode);
    }
}

TEST_F(MonitorWindowRules, PortGivenBackOnlyInExtendedModeAndOnlyByItsMonitors) {
    session.form.flags.portOpen = true;
    Run(EMonitorKind::RegisterMonitor);
    EXPECT_TRUE(session.form.flags.portOpen) << "without ExtendedMode the port stays open";

    session.program.Comm.ToolFlags = TOOLFLAG_VALID | TOOLFLAG_EXTENDED_MODE;
    Run(EMonitorKind::AxisMonitor);
    EXPECT_TRUE(session.form.flags.portOpen);
    for (EMonitorKind kind :
         {EMonitorKind::RegisterMonitor, EMonitorKind::Rs485SioTest, EMonitorKind::DiagnosticCounters}) {
        session.form.flags.portOpen = true;
        Run(kind);
        EXPECT_FALSE(session.form.flags.portOpen);
    }
}

TEST_F(MonitorWindowRules, FailedPollDisablesTheMonitorMenuAndClosesTheWindow) {
    SMonitorPoll poll;
    session.form.MenuMoniter1.enabled = true;
    EndMonitorAfterFailedPoll(session, poll);
    EXPECT_FALSE(session.form.MenuMoniter1.enabled);
    EXPECT_EQ(poll.timerInterval, 0);
    EXPECT_TRUE(poll.closeRequested);
}

TEST(MonitorBusy, CoversOneTick) {
    SMonitorPoll poll;
    {
        CMonitorBusy busy(poll);
        EXPECT_TRUE(poll.busy);
    }
    EXPECT_FALSE(poll.busy);
}

}  // namespace
