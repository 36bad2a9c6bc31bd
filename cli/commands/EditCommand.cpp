#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>

#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/session/CliFileArgument.h"
#include "cli/session/CliFileContext.h"
#include "cli/console/CliJson.h"
#include "cli/session/CliSessionSetup.h"
#include "cli/session/FileRegisterLines.h"
#include "cli/session/RefreshChanges.h"
#include "cli/session/FieldEdits.h"
#include "cli/session/OptionEdits.h"
#include "core/files/ParameterFileChangedLines.h"
#include "core/files/ParameterFileIo.h"
#include "core/service/EtherIpSet.h"
#include "core/service/UnitParaSet.h"

namespace {

// A dotted address: four groups of one to three digits (whether each is an octet is the dialog's check).
std::optional<std::array<std::string, 4>> DottedOctets(const std::string& value) {
    std::array<std::string, 4> octets;
    std::size_t start = 0;
    for (std::size_t i = 0; i < octets.size(); ++i) {
        const std::size_t dot = i + 1 < octets.size() ? value.find('.', start) : value.size();
        if (dot == std::string::npos) return std::nullopt;
        octets[i] = value.substr(start, dot - start);
        if (octets[i].empty() || octets[i].size() > 3 ||
            !std::all_of(octets[i].begin(), octets[i].end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        start = dot + 1;
    }
    return octets;
}

// The command line's value turned into an edit; a value of the wrong form is a usage error.
void AddAddressOption(CLI::App& command, const char* name,
                      std::optional<std::array<std::string, 4>>& target) {
    command.add_option_function<std::string>(
        name,
        [name, &target](const std::string& value) {
            target = DottedOctets(value);
            if (!target)
                throw CLI::ValidationError(std::string(name) + " takes an address A.B.C.D, not \"" + value +
                                           "\"");
        },
        "the address")
        ->type_name("A.B.C.D");
}

void AddNumberOption(CLI::App& command, const char* name, std::optional<int>& target) {
    command.add_option_function<std::string>(
        name,
        [name, &target](const std::string& value) {
            int number = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
            if (value.empty() || error != std::errc{} || end != value.data() + value.size())
                throw CLI::ValidationError(std::string(name) + " takes a number, not \"" + value + "\"");
            target = number;
        },
        "the number")
        ->type_name("N");
}

void AddEditOptions(CLI::App& command, SCliArguments& arguments) {
    SCliEdits& edits = arguments.edits;
    AddFileArgument(command, arguments, "the parameter file to change");
    AddAddressOption(command, "--ip", edits.ip);
    AddAddressOption(command, "--mask", edits.mask);
    AddAddressOption(command, "--gateway", edits.gateway);
    AddNumberOption(command, "--unit-number", edits.unitNumber);
    AddNumberOption(command, "--top-axis", edits.topAxis);
    command.add_option_function<std::string>(
        "--multidrop",
        [&edits](const std::string& value) {
            if (value != "on" && value != "off")
                throw CLI::ValidationError("--multidrop takes on or off, not \"" + value + "\"");
            edits.multiDrop = value == "on";
        },
        "multi-drop on or off")
        ->type_name("on|off");
    command.add_option("--set", edits.fields,
                       "set a field of the main window by its name, as the window would (gwcli fields)")
        ->type_name("\"NAME=VALUE\"");
    command.add_option(
        "--option", edits.options,
        "choose a list text of an option row, as the option dialogs show it")
        ->type_name("\"LABEL=CHOICE\"");
}

std::string EditProblem(const SCliArguments& arguments) {
    return arguments.edits.Any() ? std::string() : "edit needs at least one change";
}

bool Offered(const MenuItemState& item) {
    return item.enabled && item.visible;
}

int Refuse(CConsoleHost& host, const std::string& reason) {
    host.Refuse("edit: " + reason);
    return CLI_USAGE;
}

// The unit number dialog's choices: multi-drop first, since it decides whether a top axis is offered.
int ApplyUnitEdits(const SCliEdits& edits, CSession& session, CConsoleHost& host) {
    CUnitParaSet dialog(session.image, session.form.flags);
    if (edits.multiDrop) dialog.ckMDRPClick(*edits.multiDrop);
    if (edits.unitNumber) {
        const auto& items = dialog.cbUnitNo.items;
        const auto item = std::find(items.begin(), items.end(), std::to_string(*edits.unitNumber));
        if (item == items.end()) return Refuse(host, "--unit-number takes 0 or 1");
        dialog.cbUnitNoChange(static_cast<int>(item - items.begin()));
    }
    if (edits.topAxis) {
        if (!dialog.cbTAxisNo.enabled) return Refuse(host, "--top-axis is offered only with multi-drop on");
        const auto& items = dialog.cbTAxisNo.items;
        const auto item = std::find(items.begin(), items.end(), std::to_string(*edits.topAxis));
        if (item == items.end()) return Refuse(host, "--top-axis takes 0, 2, 4, 6, 8, 10, 12 or 14");
        dialog.cbTAxisNoChange(static_cast<int>(item - items.begin()));
    }
    return CLI_OK;
}

// The EtherNet/IP dialog: the octets typed into their fields, then OK with its checks.
int ApplyAddressEdits(const SCliEdits& edits, CSession& session, CConsoleHost& host) {
    CEtherIpSet dialog(session.image, session.form.flags, host);
    const std::optional<std::array<std::string, 4>>* rows[ETHER_IP_ROWS] = {&edits.ip, &edits.mask,
                                                                            &edits.gateway};
    for (int row = 0; row < ETHER_IP_ROWS; ++row) {
        if (!*rows[row]) continue;
        for (int col = 0; col < ETHER_IP_OCTETS; ++col)
            dialog.OctetChange({row, col}, (**rows[row])[static_cast<std::size_t>(col)]);
    }
    return dialog.Button1Click() ? CLI_OK : CLI_FAILED;
}

// The save writes anew only the lines of the registers the edits change: every other line of the file
// keeps what it holds, also values the reader does not take into the set (F101 of a unit file).
void KeepUnchangedLines(SCliFileContext& file, const CSession& session, const std::string& path) {
    file.context.hooks.fileText = [fileText = ReadParameterFileBytes(path), opened = session.image,
                                   type = session.program.SelectedGwType](const ParameterImage& edited) {
        return ChangedLinesOnly(fileText, opened, edited, type, LocalFileStamp());
    };
}

// The file's register lines the edits changed: [{"register","before","after"}, ...].
CliJson ChangedLines(const FileRegisterLines& before, const CSession& session) {
    const FileRegisterLines after = FileRegisterLinesOf(session.image, session.program.SelectedGwType);
    CliJson changes = CliJson::array();
    for (const auto& [reg, value] : after) {
        const auto old = std::find_if(before.begin(), before.end(), [&reg](const auto& line) { return line.first == reg; });
        const std::string was = old == before.end() ? std::string() : old->second;
        if (was != value) changes.push_back({{"register", reg}, {"before", was}, {"after", value}});
    }
    return changes;
}

int RunEdit(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    const SCliEdits& edits = arguments.edits;
    CSession session(host);
    PrepareFileSession(session, arguments);
    SCliFileContext file(session, arguments.file);
    if (!OpenFileAsItStands(file, host, arguments.file)) return CLI_FAILED;
    KeepUnchangedLines(file, session, arguments.file);
    const FileRegisterLines before = FileRegisterLinesOf(session.image, session.program.SelectedGwType);
    // The window's fields first: the network they choose decides which dialogs are offered.
    const ParameterImage fileSet = session.image;
    std::vector<unsigned> setRegisters;
    if (const int status = ApplyFieldEdits(session, edits.fields, host, setRegisters); status != CLI_OK)
        return status;
    PrintFieldEditSideEffects(host, fileSet, session, setRegisters);
    const bool addresses = edits.ip || edits.mask || edits.gateway;
    const bool unit = edits.unitNumber || edits.topAxis || edits.multiDrop;
    if (addresses && !Offered(session.form.MenuEtherIp))
        return Refuse(host, "the EtherNet/IP addresses are offered only for an EtherNet/IP network");
    if (unit && !Offered(session.form.MenuUnitNo))
        return Refuse(host, "the unit number is offered only for VOSK, VOSK(MLIII), VOSK-LC and DRAVO");
    if (unit) {
        if (const int status = ApplyUnitEdits(edits, session, host); status != CLI_OK) return status;
    }
    if (addresses) {
        if (const int status = ApplyAddressEdits(edits, session, host); status != CLI_OK) return status;
    }
    if (const int status = ApplyOptionEdits(session, edits.options, host); status != CLI_OK)
        return status;
    if (SaveParameterFileCommand(file.context) != 0) return CLI_FAILED;
    if (output.json) PrintJson(output, {{"file", arguments.file}, {"changes", ChangedLines(before, session)}});
    return CLI_OK;
}

}  // namespace

const SCliCommand EditCommand = {
    "edit",
    "edit FILE [--set \"NAME=VALUE\" ...] [--ip A.B.C.D] [--mask A.B.C.D] [--gateway A.B.C.D] "
    "[--unit-number N] [--top-axis N] [--multidrop on|off] [--option \"LABEL=CHOICE\" ...]",
    "change FILE as the main window (--set, in the order given, names as gwcli fields\n"
    "lists them), the unit number, EtherNet/IP and option dialogs would, then save it\n"
    "with Save's checks (nothing is written when a check fails); only the lines of the\n"
    "registers that change are written anew, every other line keeps its value; a field,\n"
    "option or value the window and dialogs do not offer for the set, or a field the window\n"
    "disables (with why), exits 2, a value they refuse prints their message and exits 1;\n"
    "what a --set changed besides its field goes to standard error as check names it;\n"
    "--json: {\"file\", \"changes\":[{\"register\", \"before\", \"after\"}, ...]} (the file's\n"
    "register lines that changed)\n",
    AddEditOptions,
    EditProblem,
    RunEdit,
    false,
};
