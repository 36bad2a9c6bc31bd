#pragma once
// What `gwcli counters` and `gwcli hardware` report per reading: one row per value with the window's
// name, the text it shows, the raw register word and, for the hardware values, the unit and whether
// the value is held from an earlier reading; as terminal text or as JSON.
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
    bool held = false;  // the value is the one shown before: the unit reported 0, which is no reading
};

struct SMonitorReport {
    std::vector<SMonitorReportRow> rows;
};

SMonitorReport CountersReportOf(const CDiagnosticCounters& monitor);
SMonitorReport HardwareReportOf(const CHardwareMonitor& monitor);
// One line per row: the name, padded, then the value and its unit, and "(held)" after a held value.
std::string MonitorReportText(const SMonitorReport& report);
CliJson MonitorReportJson(const SMonitorReport& report);
// Prints one reading: text (a blank line ends each reading while watching) or one JSON line.
void PrintMonitorReading(const SMonitorReport& report, const SCliOutput& output, bool watching);
