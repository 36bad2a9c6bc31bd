#pragma once
// The last readings of one gateway as the exporter serves them: whether its last poll succeeded (and
// why not), what the unit is, its alarm history in brief, its diagnostic counters, its hardware values
// and its link's statistics. Every value keeps the time it was read.
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/fleet/LinkStatistics.h"
#include "core/monitors/HardwareMonitor.h"

using WallClock = std::chrono::system_clock;

template <class T>
struct SStamped {
    T value{};
    WallClock::time_point readAt{};
};

// Firmware version and network type, read from the unit's configuration registers.
struct SUnitIdentity {
    std::uint16_t firmware = 0;  // `GVER`
    std::uint16_t network = 0;   // `NTYP`
};

struct SAlarmSummary {
    int records = 0;               // records held (alarm code not 0)
    std::uint32_t newestCode = 0;  // the first record's code: the unit keeps its newest record first
    std::uint32_t newestTime = 0;  // its occurrence time, as the unit counts it
};

// The diagnostic block from F187h: scan time, then the counters ERR_T, ERR_C, EMG and RTET as far as
// the unit's window shows them.
struct SCounterReading {
    std::uint16_t scanTime = 0;  // tenths of a millisecond
    std::vector<std::uint16_t> counters;
};

struct SGatewayReadings {
    bool polled = false;  // at least one poll has ended, successfully or not
    bool up = false;      // the last poll succeeded
    std::string downReason;
    std::optional<WallClock::time_point> lastSuccess;
    std::optional<SStamped<SUnitIdentity>> identity;
    std::optional<SStamped<SAlarmSummary>> alarms;
    std::optional<SStamped<SCounterReading>> counters;
    // A voltage that reads 0 is no reading; it keeps the value read before it.
    std::array<std::optional<SStamped<std::uint16_t>>, HARDWARE_VALUES> hardware{};
    SLinkStatistics link;
};
