// registers: the register monitor's two areas, all 72 registers each, read window by window through the
// window's own tick; with --set the RS485 SIO test's write of the master-to-gateway area.
#include <CLI/CLI.hpp>

#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/console/CliJson.h"
#include "cli/session/MonitorOptions.h"
#include "cli/session/MonitorConnection.h"
#include "cli/session/MonitorWatch.h"
#include "core/app/texts/UiText.h"
#include "core/monitors/RegisterMonitor.h"
#include "core/monitors/RegisterValueText.h"

namespace {

constexpr std::uint16_t KAVELIS_GVER_REGISTER_MONITOR = 9;
constexpr std::array<int, 5> WINDOW_POSITIONS{0, 16, 32, 48, REG_SCROLL_MAX};

// One reading of both areas, as numbers and as the window shows them.
struct SRegistersReading {
    RegisterImage master{}, gateway{};
    bool binaryView = false;
};

// Moves both windows over the whole areas, one tick per position. False when a read failed.
bool ReadWholeAreas(CSession& session, SRegMoniterFormState& form) {
    chkSyncScrollClick(form, true);
    for (const int position : WINDOW_POSITIONS) {
        ScrollBarChange(form, ERegArea::Master, position);
        RegMoniterTick(session, form);
        if (form.poll.closeRequested) return false;
    }
    return true;
}

void PrintText(const SRegistersReading& r, std::FILE* out) {
    const int width = r.binaryView ? 19 : 4;
    const std::string master = "F600h " + std::string(UiText[138]) + " -> " + std::string(UiText[139]);
    const std::string gateway = "F700h " + std::string(UiText[139]) + " -> " + std::string(UiText[138]);
    std::fprintf(out, "%-*s   %s\n", width + 4, master.c_str(), gateway.c_str());
    for (int k = 0; k < REG_AREA_WORDS; ++k) {
        const auto i = static_cast<std::size_t>(k);
        std::fprintf(out, "+%02X %-*s   +%02X %s\n", k, width,
                     RegisterValueText(r.master[i], r.binaryView).c_str(), k,
                     RegisterValueText(r.gateway[i], r.binaryView).c_str());
    }
}

CliJson ReadingJson(const SRegistersReading& r) {
    CliJson texts600 = CliJson::array();
    CliJson texts700 = CliJson::array();
    for (std::size_t i = 0; i < r.master.size(); ++i) {
        texts600.push_back(RegisterValueText(r.master[i], r.binaryView));
        texts700.push_back(RegisterValueText(r.gateway[i], r.binaryView));
    }
    return {{"F600", r.master},
            {"F700", r.gateway},
            {"view", r.binaryView ? UiText[141] : UiText[140]},
            {"texts", {{"F600", texts600}, {"F700", texts700}}}};
}

void Print(const SRegistersReading& reading, const SCliOutput& output) {
    if (output.json) return PrintJson(output, ReadingJson(reading));
    PrintText(reading, output.out);
    std::fflush(output.out);
}

void AddRegistersOptions(CLI::App& command, SCliArguments& arguments) {
    command.add_flag("--bin", arguments.bin, "show the registers in binary");
    AddWatchOptions(command, arguments, CHOSEN_CYCLES_MS);
    command.add_option(
        "--set", arguments.set,
        "with --extended, the RS485 SIO test's write of all 72 registers of F600h, the given "
        "offsets changed, the others as last read")
        ->type_name("+OFF=HEX[,+OFF=HEX...]");
}

int WriteMasterArea(CSession& session, SRegMoniterFormState& form, const SCliArguments& arguments) {
    std::string reason;
    const auto changes = ParseRegisterSet(arguments.set, reason);
    rbWriteClick(session, form);
    for (const auto& [offset, value] : changes) form.writeImage600[static_cast<std::size_t>(offset)] = value;
    WriteButtonClick(form);
    RegMoniterTick(session, form);
    if (form.poll.closeRequested) return CLI_FAILED;
    return form.lastWriteResult == 0 ? CLI_OK : CLI_FAILED;
}

int RunRegisters(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    if (ConnectForMonitor(session, host, arguments, EMonitorNeeds::Parameters) != CLI_OK) return CLI_FAILED;
    // The RS485 SIO test item has no firmware gate; the register monitor item has.
    if (arguments.set.empty() && session.program.SelectedGwType == GW_KAVELIS &&
        session.image.Word(GVER) < KAVELIS_GVER_REGISTER_MONITOR) {
        host.Refuse("registers: this KAVELIS firmware (GVER " + std::to_string(session.image.Word(GVER)) +
                    ") has no register monitor");
        return CLI_USAGE;
    }
    session.form.flags.rs485SioMode = !arguments.set.empty();
    SRegMoniterFormState form;
    CreateRegMoniterForm(form, session);
    cbHEXorBINChange(form, arguments.bin ? 1 : 0);
    if (!ReadWholeAreas(session, form)) return CLI_FAILED;
    if (!arguments.set.empty()) return WriteMasterArea(session, form, arguments);

    bool first = true;
    const EReadingsEnd end = RunMonitorReadings(arguments.watchMs, arguments.count, [&] {
        if (!first && !ReadWholeAreas(session, form)) return false;
        first = false;
        Print({form.readImage600, form.readImage700, form.binaryView}, output);
        return true;
    });
    return end == EReadingsEnd::Failed ? CLI_FAILED : CLI_OK;
}

}  // namespace

const SCliCommand RegistersCommand = {
    "registers",
    "registers [--bin] [--watch MS] [--count N] | registers --extended --set +OFF=HEX[,+OFF=HEX...]",
    "both cyclic I/O areas (F600h master -> gateway, F700h gateway -> master), all 72\n"
    "registers each, as the register monitor shows them (--bin: in binary); --watch repeats\n"
    "every MS (100 to 500) until --count readings or Ctrl-C; with --extended --set the RS485\n"
    "SIO test's write: all 72 registers of F600h, the given offsets changed, the others as\n"
    "last read; --json: {\"F600\":[72 integers], \"F700\":[72 integers], \"view\", \"texts\"}\n",
    AddRegistersOptions,
    RegistersProblem,
    RunRegisters,
    true,
};
