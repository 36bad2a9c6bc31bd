#pragma once
// What every monitor window shares with the main window: which Monitor menu item opens which window,
// the rules around a monitor's life (the progress bar, the RS485 SIO test flag, the port given back on
// close) and the rule after a failed poll (the window closes and the Monitor menu stays disabled until
// the next successful parameter read).
#include <functional>
#include <optional>
#include <string_view>

#include "core/procedures/Session.h"

enum class EMonitorKind {
    RegisterMonitor,     // `MenuRegMoniter1`: `TRegMoniterForm`, read only
    Rs485SioTest,        // `MenuRS485SIO1`: `TRegMoniterForm` with `rs485SioMode` set
    AxisMonitor,         // `MenuAllIO`: `TAxisMonitorForm`
    DiagnosticCounters,  // `MenuErrTC_Moniter1`: `TErrTC_MoniterForm`
    AlarmList,           // `MenuAlarmlist`: `TAlarmListForm`
    HardwareMonitor,     // `MenuHardmonitor`: `THardwareMonitorForm`
};

// The monitor a Monitor menu item opens, or none for any other item.
std::optional<EMonitorKind> MonitorKindOfMenuItem(std::string_view itemName);

// Runs one monitor window around `showModal`: `ProgressBar1` has its maximum at 0 while the window is
// open, `rs485SioMode` is set for the RS485 SIO test, and in ExtendedMode the register monitor and the
// diagnostic counters give the port back (the Monitor menu opened it ahead of them).
void RunMonitorWindow(CSession& session, EMonitorKind kind, const std::function<void()>& showModal);

// The poll state every monitor keeps: `busy` keeps ticks from nesting while a transaction pumps events;
// `timerInterval` is the poll timer's interval in ms (0 = stopped); `closeRequested` asks the window
// to close itself.
struct SMonitorPoll {
    bool busy = false;
    int timerInterval = 500;
    bool closeRequested = false;
};

// Sets `busy` for the life of one tick.
class CMonitorBusy {
public:
    explicit CMonitorBusy(SMonitorPoll& poll) : poll_(poll) { poll_.busy = true; }
    ~CMonitorBusy() { poll_.busy = false; }
    CMonitorBusy(const CMonitorBusy&) = delete;
    CMonitorBusy& operator=(const CMonitorBusy&) = delete;

private:
    SMonitorPoll& poll_;
};

// A failed poll ends the monitor: the transaction has shown its own message, the Monitor menu is
// disabled until a later successful read, the timer stops and the window closes.
void EndMonitorAfterFailedPoll(CSession& session, SMonitorPoll& poll);
