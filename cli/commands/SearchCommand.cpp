#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/console/CliJson.h"
#include "cli/reports/UnitJson.h"
#include "cli/session/CliSessionSetup.h"
#include "core/app/StartupRules.h"

namespace {

struct SFoundUnit {
    int unitNo;
    int address;
    int slots;
};

void PrintText(const std::vector<SFoundUnit>& units, const SCliOutput& output) {
    for (const SFoundUnit& unit : units)
        std::fprintf(output.out, "unit %d slots %d\n", unit.unitNo, unit.slots);
    std::fflush(output.out);
}

void PrintJsonUnits(const std::vector<SFoundUnit>& units, GwType type, const SCliOutput& output) {
    CliJson list = CliJson::array();
    for (const SFoundUnit& unit : units)
        list.push_back(UnitJson(type, static_cast<std::uint8_t>(unit.address), unit.unitNo, unit.slots));
    PrintJson(output, {{"units", list}});
}

std::string SearchProblem(const SCliArguments& arguments) {
    if ((arguments.type & GW_UNIT_NUMBERED_MASK) != 0) return {};
    return "search applies to VOSK, VOSK(MLIII), VOSK-LC and DRAVO, not to " +
           std::string(GwUnitDataOf(arguments.type).name);
}

int RunSearch(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    ApplyRunSettings(session, arguments);
    std::vector<SFoundUnit> units;
    for (const int unitNo : SearchUnits(session, host)) {
        units.push_back({unitNo, GwSlaveAddressOf(arguments.type, unitNo),
                         session.unitAxisSlots[static_cast<std::size_t>(unitNo)]});
    }
    // No unit found: the port's or the line's failure has been printed and ends the command.
    if (units.empty()) return CLI_FAILED;
    if (output.json)
        PrintJsonUnits(units, arguments.type, output);
    else
        PrintText(units, output);
    return CLI_OK;
}

}  // namespace

const SCliCommand SearchCommand = {
    "search",
    "search",
    "probe the units and print, one line each, \"unit N slots M\"; a port that cannot be\n"
    "opened prints \"Communication port open error\", no answer \"Nothing GW Unit\", with the\n"
    "cause below, and exit 1; --json: {\"units\":[{\"unit_number\", \"slave_address\", \"axis_slots\"},\n"
    "...]}\n",
    nullptr,
    SearchProblem,
    RunSearch,
    true,
};
