#include "cli/MonitorCommandRules.h"

#include <charconv>

#include "cli/WatchLoop.h"
#include "core/monitors/DiagnosticCounters.h"

namespace {

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::string MonitorTypeRefusal(EMonitorCommand command, GwType type) {
    const std::string name(GwUnitDataOf(type).name);
    if (command == EMonitorCommand::Alarms && type == GW_KAVELIS) {
        return "alarms: the alarm list is not offered for KAVELIS";
    }
    if (command == EMonitorCommand::Hardware && (type & GW_VOSK_FAMILY_MASK) == 0) {
        return "hardware: the hardware monitor is offered for VOSK, VOSK(MLIII) and VOSK-LC, not for " + name;
    }
    return {};
}

std::optional<int> WatchIntervalOf(std::string_view text) {
    const auto ms = WholeNumber(text);
    if (!ms || *ms < WATCH_MIN_MS || *ms > WATCH_MAX_MS) return std::nullopt;
    return ms;
}

std::optional<int> WatchCountOf(std::string_view text) {
    const auto count = WholeNumber(text);
    if (!count || *count < 1) return std::nullopt;
    return count;
}

bool IsCounterClearName(std::string_view text) {
    ECounter counter{};
    return text == "all" || CounterOfName(text, counter);
}
