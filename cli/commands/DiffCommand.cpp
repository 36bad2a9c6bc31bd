#include <CLI/CLI.hpp>
#include <algorithm>

#include "cli/commands/CliCommands.h"
#include "cli/console/CliExitStatus.h"
#include "cli/console/CliJson.h"
#include "cli/session/CliFileArgument.h"
#include "cli/session/CliSessionSetup.h"
#include "cli/session/FileAxisSlots.h"
#include "core/compare/ComparisonSources.h"
#include "core/compare/ParameterDifferences.h"

namespace {

// Exit status as diff(1) has it.
constexpr int DIFF_SAME = 0;
constexpr int DIFF_DIFFERENT = 1;
constexpr int DIFF_TROUBLE = 2;

void AddDiffOptions(CLI::App& command, SCliArguments& arguments) {
    AddFileArgument(command, arguments, "the parameter file to compare");
    command.add_option("FILE2", arguments.secondFile,
                       "a second parameter file to compare FILE with, instead of the unit")
        ->type_name("");
}

// FILE as the window would hold it: 0, or DIFF_TROUBLE after the reader's message.
int LoadFile(const std::string& path, GwType type, CConsoleHost& host, ParameterImage& image) {
    return LoadFileForComparison(path, ParameterImage{}, type, host, image) == 0 ? 0 : DIFF_TROUBLE;
}

// The unit's set beside FILE's: the unit search, the window laid out for the unit, and the read.
int ReadUnitBeside(CSession& session, CConsoleHost& host, const SCliArguments& arguments,
                   const ParameterImage& fileImage, ParameterImage& unitImage) {
    if (const std::string reason = NoPortReason(arguments); !reason.empty()) {
        host.Refuse("diff: " + reason);
        return DIFF_TROUBLE;
    }
    const SUnitChoice unit = ChooseUnit(session, host, arguments);
    if (!unit.found) return DIFF_TROUBLE;
    LayOutMainWindow(session, unit.axisSlots);
    const int slotCount = session.image.SlotCount;
    session.image = fileImage;
    session.image.SlotCount = slotCount;
    return ReadUnitForComparison(session, unitImage) == 0 ? 0 : DIFF_TROUBLE;
}

void PrintDifferences(const std::vector<SParameterDifference>& differences, const SCliOutput& output) {
    if (output.json) {
        CliJson list = CliJson::array();
        for (const auto& d : differences)
            list.push_back({{"field", d.field}, {"register", d.reg}, {"left", d.left}, {"right", d.right}});
        PrintJson(output, {{"equal", differences.empty()}, {"differences", list}});
        return;
    }
    for (const auto& d : differences)
        std::fprintf(output.out, "%s (%s): %s | %s\n", d.field.c_str(), d.reg.c_str(), d.left.c_str(),
                     d.right.c_str());
    std::fflush(output.out);
}

int RunDiff(const SCliArguments& arguments, CConsoleHost& host, const SCliOutput& output) {
    CSession session(host);
    ApplyRunSettings(session, arguments);
    const GwType type = arguments.type;
    ParameterImage left;
    ParameterImage right;
    if (LoadFile(arguments.file, type, host, left) != 0) return DIFF_TROUBLE;
    if (arguments.secondFile.empty()) {
        if (ReadUnitBeside(session, host, arguments, left, right) != 0) return DIFF_TROUBLE;
        left = session.image;
    } else {
        if (LoadFile(arguments.secondFile, type, host, right) != 0) return DIFF_TROUBLE;
        LayOutMainWindow(session, std::max(FileAxisSlots(arguments.file, type),
                                           FileAxisSlots(arguments.secondFile, type)));
        left.SlotCount = right.SlotCount = session.image.SlotCount;
    }
    const auto differences = CompareParameterSets(left, right, session.form, session.program);
    PrintDifferences(differences, output);
    return differences.empty() ? DIFF_SAME : DIFF_DIFFERENT;
}

}  // namespace

const SCliCommand DiffCommand = {
    "diff",
    "diff FILE [FILE2]",
    "compare FILE with the unit's parameters (or with FILE2), field by field as the main window\n"
    "names and shows them; one line per differing field: FIELD (REGISTER): FILE's value | the unit's\n"
    "(or FILE2's); a difference no field shows is listed as Register (F102) or, in the option\n"
    "words, Bit N (F10F); exit status 0 when every register the files carry is equal, 1 when\n"
    "different, 2 when they could not be compared;\n"
    "--json: {\"equal\":bool, \"differences\":[{\"field\", \"register\", \"left\", \"right\"}, ...]}\n",
    AddDiffOptions,
    nullptr,
    RunDiff,
    false,
};
