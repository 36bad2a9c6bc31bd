#include "gui/monitors/MonitorWindows.h"

#include "gui/monitors/TAlarmListForm.h"
#include "gui/monitors/TAxisMonitorForm.h"
#include "gui/monitors/TErrTC_MoniterForm.h"
#include "gui/monitors/THardwareMonitorForm.h"
#include "gui/monitors/TRegMoniterForm.h"

namespace {
template <class TForm>
void ShowModal(CToolSession& session, QWidget* owner) {
    TForm form(session.core, owner);
    form.exec();
}
}  // namespace

// Every Monitor menu item has its window: `ShowMonitorWindow` creates it, shows it modally and
// destroys it.
bool HasMonitorWindow(EMonitorKind kind) {
    switch (kind) {
        case EMonitorKind::RegisterMonitor:
        case EMonitorKind::Rs485SioTest:
        case EMonitorKind::AxisMonitor:
        case EMonitorKind::DiagnosticCounters:
        case EMonitorKind::AlarmList:
        case EMonitorKind::HardwareMonitor:
            return true;
    }
    return false;
}

void ShowMonitorWindow(EMonitorKind kind, CToolSession& session, QWidget* owner) {
    switch (kind) {
        case EMonitorKind::RegisterMonitor:
        case EMonitorKind::Rs485SioTest:
            ShowModal<TRegMoniterForm>(session, owner);
            return;
        case EMonitorKind::AxisMonitor: {
            SAxisMonitorFormState state;
            if (CreateAxisMonitorForm(session.core, state) != 0) return;
            TAxisMonitorForm(session.core, std::move(state), owner).exec();
            return;
        }
        case EMonitorKind::DiagnosticCounters:
            ShowModal<TErrTC_MoniterForm>(session, owner);
            return;
        case EMonitorKind::AlarmList:
            ShowModal<TAlarmListForm>(session, owner);
            return;
        case EMonitorKind::HardwareMonitor:
            ShowModal<THardwareMonitorForm>(session, owner);
            return;
    }
}
