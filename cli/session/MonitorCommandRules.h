#pragma once
// What the alarm, counter and hardware commands accept: which gateway types offer which monitor (as the
// Monitor menu does) and the counter names of `counters --clear`.
#include <string>
#include <string_view>

#include "core/app/GwType.h"

enum class EMonitorCommand { Alarms, Counters, Hardware };

// Why the monitor is not offered for `type`, or empty: the alarm list is hidden for KAVELIS, the
// hardware monitor is offered for VOSK, VOSK(MLIII) and VOSK-LC only, and in ExtendedMode only.
std::string MonitorTypeRefusal(EMonitorCommand command, GwType type, bool extended);
// `counters --clear`: ERR_T, ERR_C, EMG, RTET or all.
bool IsCounterClearName(std::string_view text);
