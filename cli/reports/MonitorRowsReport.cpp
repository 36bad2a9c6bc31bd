#include "cli/reports/MonitorRowsReport.h"

#include <algorithm>

namespace {

// After a value that is the one shown before, not a reading: the unit reported 0.
constexpr const char* HELD_MARK = " (held)";

constexpr const char* SCAN_TIME_KEY = "SCAN_TIME";

std::string CounterKey(int row) {
    return row == 0 ? SCAN_TIME_KEY : std::string(CounterName(CounterOfRow(row)));
}
}  // namespace

SMonitorReport CountersReportOf(const CDiagnosticCounters& monitor) {
    SMonitorReport report;
    const GridState& grid = monitor.StringGrid1;
    for (int row = 0; row < grid.rowCount; ++row) {
        const auto r = static_cast<std::size_t>(row);
        report.rows.push_back({grid.Cell(0, row), grid.Cell(1, row),
                               r < monitor.words.size() ? monitor.words[r] : std::uint16_t{0}, CounterKey(row),
                               std::nullopt});
    }
    return report;
}

SMonitorReport HardwareReportOf(const CHardwareMonitor& monitor) {
    SMonitorReport report;
    for (std::size_t i = 0; i < monitor.names.size(); ++i) {
        report.rows.push_back({monitor.names[i].text, monitor.values[i].text, monitor.words[i], std::nullopt,
                               monitor.units[i].text, monitor.held[i]});
    }
    return report;
}

std::string MonitorReportText(const SMonitorReport& report) {
    std::size_t width = 0;
    for (const SMonitorReportRow& row : report.rows) width = std::max(width, row.label.size());
    std::string text;
    for (const SMonitorReportRow& row : report.rows) {
        text += row.label + std::string(width - row.label.size() + 2, ' ') + row.text;
        if (row.physicalUnit) text += " " + *row.physicalUnit;
        if (row.held) text += HELD_MARK;
        text += "\n";
    }
    return text;
}

CliJson MonitorReportJson(const SMonitorReport& report) {
    CliJson rows = CliJson::array();
    for (const SMonitorReportRow& row : report.rows) {
        CliJson item;
        if (row.key) item["key"] = *row.key;
        item["label"] = row.label;
        item["text"] = row.text;
        item["raw"] = row.raw;
        if (row.physicalUnit) item["physical_unit"] = *row.physicalUnit;
        if (row.held) item["held"] = true;
        rows.push_back(item);
    }
    return {{"rows", rows}};
}

void PrintMonitorReading(const SMonitorReport& report, const SCliOutput& output, bool watching) {
    if (output.json) return PrintJson(output, MonitorReportJson(report));
    std::fputs((MonitorReportText(report) + (watching ? "\n" : "")).c_str(), output.out);
    std::fflush(output.out);
}
