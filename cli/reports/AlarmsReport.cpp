#include "cli/reports/AlarmsReport.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/advanced/NearestNames.h"

namespace {

using Row = std::array<std::string, ALARM_GRID_COLUMNS>;

Row RowOf(const SAlarmReportRecord& r) {
    return {std::to_string(r.record), r.code, r.content, r.detail, r.address, r.occurrence};
}

}  // namespace

SAlarmReport AlarmReportOf(const CAlarmList& list) {
    SAlarmReport report;
    char id[16];
    std::snprintf(id, sizeof id, "%08lX", static_cast<unsigned long>(list.identification));
    report.identification = id;
    const GridState& grid = list.StringGrid1;
    for (int col = 0; col < ALARM_GRID_COLUMNS; ++col) report.headers.push_back(grid.Cell(col, 0));
    for (int n = 0; n < ALARM_RECORDS; ++n) {
        const int row = n + 1;
        report.records.push_back({n, grid.Cell(1, row), grid.Cell(2, row), grid.Cell(3, row),
                                  grid.Cell(4, row), grid.Cell(5, row),
                                  list.records[static_cast<std::size_t>(n)]});
    }
    return report;
}

std::string AlarmReportText(const SAlarmReport& report) {
    std::vector<Row> rows;
    Row header;
    std::copy_n(report.headers.begin(), std::min<std::size_t>(header.size(), report.headers.size()),
                header.begin());
    rows.push_back(header);
    for (const SAlarmReportRecord& r : report.records) rows.push_back(RowOf(r));
    std::array<std::size_t, ALARM_GRID_COLUMNS> widths{};
    for (const Row& row : rows)
        for (std::size_t c = 0; c < widths.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    std::string text;
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            line += row[c];
            if (c + 1 < widths.size()) line += std::string(widths[c] - row[c].size() + 2, ' ');
        }
        text += line + "\n";
    }
    return text;
}

CliJson AlarmReportJson(const SAlarmReport& report) {
    CliJson records = CliJson::array();
    for (const SAlarmReportRecord& r : report.records) {
        records.push_back({{"record", r.record},
                           {"code", r.code},
                           // the window pads the content column with blanks; the document has the text
                           {"content", Trimmed(r.content)},
                           {"detail", r.detail},
                           {"address", r.address},
                           {"occurrence", r.occurrence},
                           {"raw",
                            {{"code", r.raw.code},
                             {"detail", r.raw.detail},
                             {"address", r.raw.address},
                             {"seconds", r.raw.seconds}}}});
    }
    return {{"identification", report.identification}, {"records", records}};
}
