#pragma once
// What `gwcli counters` and `gwcli hardware` report per reading: one row per value with the window's
// label, the text it shows, the raw register word, for the counters the key `--clear` names them by,
// and for the hardware values the physical unit and whether the value is held from an earlier reading;
// as terminal text or as JSON.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/console/CliJson.h"
#include "core/monitors/DiagnosticCounters.h"
#include "core/monitors/HardwareMonitor.h"

struct SMonitorReportRow {
    std::string label;
    std::string text;
    std::uint16_t raw = 0;
    std::optional<std::string> key;           // counters: "SCAN_TIME", "ERR_T", "ERR_C", "EMG", "RTET"
    std::optional<std::string> physicalUnit;  // hardware: "V", "rpm", ...
    bool held = false;  // the value is the one shown before: the unit reported 0, which is no reading
};

struct SMonitorReport {
    std::vector<SMonitorReportRow> rows;
};

SMonitorReport CountersReportOf(const CDiagnosticCounters& monitor);
SMonitorReport HardwareReportOf(const CHardwareMonitor& monitor);
// One line per row: the label, padded, then the text and its physical unit, and "(held)" after a held
// value.
std::string MonitorReportText(const SMonitorReport& report);
// {"rows":[{"key"?,"label","text","raw","physical_unit"?}, ...]}
CliJson MonitorReportJson(const SMonitorReport& report);
// Prints one reading: text (a blank line ends each reading while watching) or one JSON line.
void PrintMonitorReading(const SMonitorReport& report, const SCliOutput& output, bool watching);
