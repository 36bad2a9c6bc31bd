#include "gui/monitors/MonitorWindows.h"

#include "gui/monitors/TAxisMonitorForm.h"
#include "gui/monitors/TRegMoniterForm.h"

bool HasMonitorWindow(EMonitorKind kind) {
    switch (kind) {
        case EMonitorKind::RegisterMonitor:
        case EMonitorKind::Rs485SioTest:
        case EMonitorKind::AxisMonitor:
            return true;
        case EMonitorKind::DiagnosticCounters:
        case EMonitorKind::AlarmList:
        case EMonitorKind::HardwareMonitor:
            return false;
    }
    return false;
}

void ShowMonitorWindow(EMonitorKind kind, CToolSession& session, QWidget* owner) {
    switch (kind) {
        case EMonitorKind::RegisterMonitor:
        case EMonitorKind::Rs485SioTest:
            TRegMoniterForm(session.core, owner).exec();
            return;
        case EMonitorKind::AxisMonitor: {
            SAxisMonitorFormState state;
            if (CreateAxisMonitorForm(session.core, state) != 0) return;
            TAxisMonitorForm(session.core, std::move(state), owner).exec();
            return;
        }
        case EMonitorKind::DiagnosticCounters:
        case EMonitorKind::AlarmList:
        case EMonitorKind::HardwareMonitor:
            return;
    }
}
