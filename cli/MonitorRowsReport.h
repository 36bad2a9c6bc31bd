#pragma once
// What `gwcli counters` and `gwcli hardware` report per reading: one row per value with the window's
// name, the text it shows, the raw register word and, for the hardware values, the unit; as terminal
// text or as JSON.
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

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
nlohmann::json MonitorReportJson(const SMonitorReport& report);
// One reading as printed: text, or JSON (indented for a single reading, one line per reading while
// watching); a blank line ends each text reading while watching.
std::string MonitorReadingOutput(const SMonitorReport& report, bool json, bool watching);
