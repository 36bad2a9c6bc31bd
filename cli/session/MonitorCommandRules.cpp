#include "cli/session/MonitorCommandRules.h"

#include "core/monitors/DiagnosticCounters.h"

std::string MonitorTypeRefusal(EMonitorCommand command, GwType type, bool extended) {
    const std::string name(GwUnitDataOf(type).name);
    if (command == EMonitorCommand::Alarms && type == GW_KAVELIS) {
        return "alarms: the alarm list is not offered for KAVELIS";
    }
    if (command == EMonitorCommand::Hardware && (type & GW_VOSK_FAMILY_MASK) == 0) {
        return "hardware: the hardware monitor is offered for VOSK, VOSK(MLIII) and VOSK-LC, not for " + name;
    }
    if (command == EMonitorCommand::Hardware && !extended)
        return "hardware: the hardware monitor is offered only in ExtendedMode (--extended)";
    return {};
}

bool IsCounterClearName(std::string_view text) {
    ECounter counter{};
    return text == "all" || CounterOfName(text, counter);
}
