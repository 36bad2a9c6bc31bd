#include "gui/monitors/MonitorWindows.h"

#include "gui/monitors/TAlarmListForm.h"
#include "gui/monitors/TErrTC_MoniterForm.h"
#include "gui/monitors/THardwareMonitorForm.h"

namespace {
template <class TForm>
void ShowModal(CToolSession& session, QWidget* owner) {
    TForm form(session.core, owner);
    form.exec();
}
}  // namespace

// Each monitor window joins here as it is built: `HasMonitorWindow` offers its menu item,
// `ShowMonitorWindow` creates it, shows it modally and destroys it.
bool HasMonitorWindow(EMonitorKind kind) {
    switch (kind) {
        case EMonitorKind::DiagnosticCounters:
        case EMonitorKind::AlarmList:
        case EMonitorKind::HardwareMonitor:
            return true;
        case EMonitorKind::RegisterMonitor:
        case EMonitorKind::Rs485SioTest:
        case EMonitorKind::AxisMonitor:
            return false;
    }
    return false;
}

void ShowMonitorWindow(EMonitorKind kind, CToolSession& session, QWidget* owner) {
    switch (kind) {
        case EMonitorKind::DiagnosticCounters:
            ShowModal<TErrTC_MoniterForm>(session, owner);
            break;
        case EMonitorKind::AlarmList:
            ShowModal<TAlarmListForm>(session, owner);
            break;
        case EMonitorKind::HardwareMonitor:
            ShowModal<THardwareMonitorForm>(session, owner);
            break;
        case EMonitorKind::RegisterMonitor:
        case EMonitorKind::Rs485SioTest:
        case EMonitorKind::AxisMonitor:
            break;
    }
}
