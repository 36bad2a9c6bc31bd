
#include "cli/CliCommands.h"
#include "cli/CliExitStatus.h"
#include "cli/CliJson.h"
#include "cli/CliSessionSetup.h"
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

void PrintJsonUnits(const std::vector<SFoundUnit>& units, const SCliOutput& output) {
    CliJson list = CliJson::array();
    for (const SFoundUnit& unit : units)
        list.push_back({{"unit", unit.unitNo}, {"address", unit.address}, {"slots", unit.slots}});
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
    if (output.json)
        PrintJsonUnits(units, output);
    else
        PrintText(units, output);
    return units.empty() ? CLI_FAILED : CLI_OK;
}

}  // namespace

const SCliCommand SearchCommand = {
    "search", "search",      "probe the units and print, one line each, \"unit N slots M\"\n",
    nullptr,  SearchProblem, RunSearch,
    true,     false,
};
