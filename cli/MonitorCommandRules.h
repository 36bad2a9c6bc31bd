#pragma once
// What the monitor commands accept: which gateway types offer which monitor (as the Monitor menu
// does), the `--watch` interval and `--count`, and the counter names of `counters --clear`. Each check
// gives the one-line reason of a usage error, or nothing.
#include <optional>
#include <string>
#include <string_view>

#include "core/app/GwType.h"

enum class EMonitorCommand { Alarms, Counters, Hardware };

// Why the monitor is not offered for `type`, or empty: the alarm list is hidden for KAVELIS, the
// hardware monitor is offered for VOSK, VOSK(MLIII) and VOSK-LC only.
std::string MonitorTypeRefusal(EMonitorCommand command, GwType type);
// `--watch MS`: 100 to 500, as the windows offer.
std::optional<int> WatchIntervalOf(std::string_view text);
// `--count N`: 1 or more.
std::optional<int> WatchCountOf(std::string_view text);
// `counters --clear`: ERR_T, ERR_C, EMG, RTET or all.
bool IsCounterClearName(std::string_view text);
