#include "gui/monitors/MonitorWindows.h"

// Each monitor window joins here as it is built: `HasMonitorWindow` offers its menu item,
// `ShowMonitorWindow` creates it, shows it modally and destroys it.
bool HasMonitorWindow(EMonitorKind kind) {
    switch (kind) {
        case EMonitorKind::RegisterMonitor:
        case EMonitorKind::Rs485SioTest:
        case EMonitorKind::AxisMonitor:
        case EMonitorKind::DiagnosticCounters:
        case EMonitorKind::AlarmList:
        case EMonitorKind::HardwareMonitor:
            return false;
    }
    return false;
}

void ShowMonitorWindow(EMonitorKind, CToolSession&, QWidget*) {}
