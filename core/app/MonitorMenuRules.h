#pragma once
// What the main window's Monitor menu offers each time it drops down.
#include <functional>

#include "core/app/ControlState.h"
#include "core/app/GwType.h"
#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"

// The Monitor menu's items, as the main window holds them.
struct SMonitorMenuItems {
    MenuItemState& MenuRegMoniter1;
    MenuItemState& MenuRS485SIO1;
    MenuItemState& MenuAllIO;
    MenuItemState& MenuErrTC_Moniter1;
    MenuItemState& MenuAlarmlist;
    MenuItemState& MenuHardmonitor;
};

// Visibility by type and mode, and for KAVELIS the items its firmware version `GVER` supports
// (diagnostic counters from 12, register monitor from 9).
void ApplyMonitorMenuOpeningRule(const SMonitorMenuItems& items, GwType type, bool extendedMode,
                                 unsigned gver);

// In ExtendedMode the menu opens the port ahead of the monitors, unless an exchange runs (`commBusy`).
// `openPort` opens the link with the current port and speed and returns 0 on success; on failure the
// error box "Communication port open error" is shown and the menu still opens.
void OpenPortForMonitorMenu(SMainFlags& flags, const std::function<int()>& openPort, HostServices& host);
