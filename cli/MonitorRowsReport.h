#pragma once
// What `gwcli counters` and `gwcli hardware` report per reading: one row per value with the window's
// name, the text it shows, the raw register word and, for the hardware values, the unit; as terminal
// text or as JSON.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliJson.h"
#include "core/monitors/DiagnosticCounters.h"
#include "core/monitors/HardwareMonitor.h"

struct SMonitorReportRow {
    std::string name;
    std::string value;
    std::uint16_t raw = 0;
    std::optional<std::string> unit;
};

struct SMonitorReport {
    std::vector<SMonitorReportRow> rows;
};

SMonitorReport CountersReportOf(const CDiagnosticCounters& monitor);
SMonitorReport HardwareReportOf(const CHardwareMonitor& monitor);
// One line per row: the name, padded, then the value and its unit.
std::string MonitorReportText(const SMonitorReport& report);
CliJson MonitorReportJson(const SMonitorReport& report);
// Prints one reading: text (a blank line ends each reading while watching) or one JSON line.
void PrintMonitorReading(const SMonitorReport& report, const SCliOutput& output, bool watching);
