#include "core/monitors/MonitorWindow.h"

#include <array>
#include <utility>

namespace {

constexpr int PROGRESS_MAX_NORMAL = 100;

constexpr std::array<std::pair<std::string_view, EMonitorKind>, 6> MENU_ITEMS{{
    {"MenuRegMoniter1", EMonitorKind::RegisterMonitor},
    {"MenuRS485SIO1", EMonitorKind::Rs485SioTest},
    {"MenuAllIO", EMonitorKind::AxisMonitor},
    {"MenuErrTC_Moniter1", EMonitorKind::DiagnosticCounters},
    {"MenuAlarmlist", EMonitorKind::AlarmList},
    {"MenuHardmonitor", EMonitorKind::HardwareMonitor},
}};

bool GivesPortBackOnClose(EMonitorKind kind) {
    return kind == EMonitorKind::RegisterMonitor || kind == EMonitorKind::Rs485SioTest ||
           kind == EMonitorKind::DiagnosticCounters;
}

}  // namespace

std::optional<EMonitorKind> MonitorKindOfMenuItem(std::string_view itemName) {
    for (const auto& [name, kind] : MENU_ITEMS) {
        if (name == itemName) return kind;
    }
    return std::nullopt;
}

void RunMonitorWindow(CSession& session, EMonitorKind kind, const std::function<void()>& showModal) {
    session.form.progressMax = 0;
    session.form.flags.rs485SioMode = kind == EMonitorKind::Rs485SioTest;
    showModal();
    session.form.flags.rs485SioMode = false;
    session.form.progressMax = PROGRESS_MAX_NORMAL;
    if (session.program.ExtendedMode() && GivesPortBackOnClose(kind)) {
        session.link.Close();
        session.form.flags.portOpen = false;
    }
}

void EndMonitorAfterFailedPoll(CSession& session, SMonitorPoll& poll) {
    session.form.MenuMoniter1.enabled = false;
    poll.timerInterval = 0;
    poll.closeRequested = true;
}
