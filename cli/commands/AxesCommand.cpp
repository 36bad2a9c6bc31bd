// axes: the axis monitor of a KAVELIS unit in ExtendedMode, one direction, through the window's own
// creation and tick.
#include <CLI/CLI.hpp>
#include <algorithm>

#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/console/CliJson.h"
#include "cli/session/MonitorOptions.h"
#include "cli/session/MonitorConnection.h"
#include "cli/session/MonitorWatch.h"
#include "core/monitors/AxisMonitor.h"

namespace {

// The grid as the window shows it, columns as wide as their widest text.
void PrintText(const GridState& grid, std::FILE* out) {
    std::vector<std::size_t> widths(static_cast<std::size_t>(grid.colCount), 0);
    for (int row = 0; row < grid.rowCount; ++row) {
        for (int col = 0; col < grid.colCount; ++col) {
            widths[static_cast<std::size_t>(col)] =
                std::max(widths[static_cast<std::size_t>(col)], grid.Cell(col, row).size());
        }
    }
    for (int row = 0; row < grid.rowCount; ++row) {
        std::string line;
        for (int col = 0; col < grid.colCount; ++col) {
            std::string cell = grid.Cell(col, row);
            cell.resize(widths[static_cast<std::size_t>(col)], ' ');
            line += (col == 0 ? "" : "  ") + cell;
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        std::fprintf(out, "%s\n", line.c_str());
    }
}

CliJson ReadingJson(const SAxisMonitorFormState& form) {
    const GridState& grid = form.StringGrid1;
    CliJson headers = CliJson::array();
    for (int row = 0; row < form.fixedRows; ++row)
        headers.push_back(grid.cells[static_cast<std::size_t>(row)]);
    CliJson axes = CliJson::array();
    std::size_t k = 0;
    for (std::size_t axis = 0; axis < form.rows.size(); ++axis) {
        const auto words = static_cast<std::size_t>(form.rows[axis].words);
        const int row = static_cast<int>(axis) + form.fixedRows;
        std::vector<std::uint16_t> raw;
        if (k + words <= form.ioWords.size()) {
            raw.assign(form.ioWords.begin() + static_cast<std::ptrdiff_t>(k),
                       form.ioWords.begin() + static_cast<std::ptrdiff_t>(k + words));
        }
        k += words;
        if (row >= grid.rowCount) break;
        const auto& cells = grid.cells[static_cast<std::size_t>(row)];
        axes.push_back({{"axis", axis},
                        {"mode", form.rows[axis].modeText},
                        {"values", std::vector<std::string>(cells.begin() + form.fixedCols, cells.end())},
                        {"raw", raw}});
    }
    return {{"direction", form.ioFromGateway ? "in" : "out"},
            {"layout", form.twoWordLayout ? "2W" : "Full"},
            {"words", form.totalWords},
            {"headers", headers},
            {"axes", axes}};
}

void AddAxesOptions(CLI::App& command, SCliArguments& arguments) {
    command.add_option_function<std::string>(
        "--direction",
        [&arguments](const std::string& value) {
            if (value != "out" && value != "in")
                throw CLI::ValidationError("--direction takes out or in, not \"" + value + "\"");
            arguments.fromGateway = value == "in";
        },
        "out (master -> gateway, the default) or in (gateway -> master)")
        ->type_name("out|in");
    AddWatchOptions(command, arguments, CHOSEN_CYCLES_MS);
}

int RunAxes(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    if (ConnectForMonitor(session, host, arguments, EMonitorNeeds::Parameters) != CLI_OK) return CLI_FAILED;
    SAxisMonitorFormState form;
    if (CreateAxisMonitorForm(session, form) != 0) return CLI_FAILED;
    AxisDirectionClick(form, arguments.fromGateway);
    const EReadingsEnd end = RunMonitorReadings(arguments.watchMs, arguments.count, [&] {
        AxisMonitorTick(session, form);
        if (form.poll.closeRequested) return false;
        form.ioFromGateway = arguments.fromGateway;
        if (output.json) {
            PrintJson(output, ReadingJson(form));
        } else {
            PrintText(form.StringGrid1, output.out);
            std::fflush(output.out);
        }
        return true;
    });
    return end == EReadingsEnd::Failed ? CLI_FAILED : CLI_OK;
}

}  // namespace

const SCliCommand AxesCommand = {
    "axes",
    "axes [--direction out|in] [--watch MS] [--count N]",
    "KAVELIS with --extended: the axis monitor's table of one direction, as the window\n"
    "shows it; --watch and --count as for registers\n",
    AddAxesOptions,
    AxesProblem,
    RunAxes,
    true,
};
