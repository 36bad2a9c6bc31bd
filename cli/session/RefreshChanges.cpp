#include "cli/session/RefreshChanges.h"

#include <array>

#include "core/app/texts/UiText.h"
#include "core/params/display/DisplayFormat.h"

namespace {

constexpr std::size_t TEXT_AXIS_NUMBERED = 286;  // "Axis%d"

// Register names of the words the window shows under no name of its own.
constexpr std::array<const char*, 16> ConfigWordNames = {"GSTS", "GVER", "F102", "NTYP", "NMOD", "DSZO",
                                                         "DSZI", "DADR", "DBPS", "FINX", "W4N",  "W8N",
                                                         "F10C", "F10D", "TBPS", "GMOD"};

std::string Hex(std::uint16_t word) {
    return FormatText("%04Xh", word);
}

// The count combo that holds the configured axes: "Size" with the caption beside the combo.
std::string SizeComboName(const SMainFormState& form, const TextState& caption) {
    return form.pnlStrTitleSize.text + " " + caption.text;
}

std::string AxisCountName(const SMainFormState& form, const ParameterImage& kept, GwType type) {
    switch (type) {
        case GW_KAVELIS:
            return SizeComboName(form, form.cbW2N.index > 0 ? form.pnlStrSize2W : form.pnlStrSize4W);
        case GW_VOSK:
        case GW_NUB3GW:
            return SizeComboName(form, kept.IoAxisCount != 0 ? form.pnlStrSize4bits : form.pnlStrSize1W);
        case GW_VOSK_ML3:
            return form.Label4.text;
        case GW_DRAVO:
            return form.Label11.text;
        default:
            return ConfigWordNames[W4N];
    }
}

std::string ConfigWordName(int index, const SMainFormState& form, const ParameterImage& kept, GwType type) {
    switch (index) {
        case DADR:
            return form.lDADR.text;
        case DBPS:
            return form.lDBPS.text;
        case W4N:
            return AxisCountName(form, kept, type);
        case W8N:
            return type == GW_KAVELIS ? SizeComboName(form, form.pnlStrSize8W) : ConfigWordNames[W8N];
        default:
            return ConfigWordNames[static_cast<std::size_t>(index)];
    }
}

// Addresses and counts read as numbers, codes as the hexadecimal words they are.
std::string ConfigWordValue(int index, std::uint16_t word) {
    const bool number = index == DADR || index == FINX || index == W4N || index == W8N;
    return number ? std::to_string(word) : Hex(word);
}

}  // namespace

std::vector<SRefreshChange> RefreshChanges(const ParameterImage& fileSet, const ParameterImage& kept,
                                           const SMainFormState& form, GwType type) {
    std::vector<SRefreshChange> changes;
    for (int index = 0; index < static_cast<int>(kept.GwConfigBlock.size()); ++index) {
        const auto at = static_cast<std::size_t>(index);
        if (fileSet.GwConfigBlock[at] == kept.GwConfigBlock[at]) continue;
        changes.push_back({ConfigWordName(index, form, kept, type),
                           ConfigWordValue(index, fileSet.GwConfigBlock[at]),
                           ConfigWordValue(index, kept.GwConfigBlock[at])});
    }
    for (std::size_t slot = 0; slot < kept.AxisMode.size(); ++slot) {
        if (fileSet.AxisMode[slot] == kept.AxisMode[slot]) continue;
        changes.push_back({FormatText(UiText[TEXT_AXIS_NUMBERED], static_cast<int>(slot)),
                           Hex(fileSet.AxisMode[slot]), Hex(kept.AxisMode[slot])});
    }
    return changes;
}

SFileOpening OpenFileWatchingRefresh(SCliFileContext& file, CConsoleHost& host, const std::string& path) {
    // The reader fills the image and then asks for the refresh: the image at that moment is the file's.
    std::optional<ParameterImage> fileSet;
    const auto refresh = file.context.hooks.refreshDisplay;
    file.context.hooks.refreshDisplay = [&fileSet, &file, refresh] {
        if (!fileSet) fileSet = file.context.image;
        if (refresh) refresh();
    };
    const std::size_t mark = host.Mark();
    const int opened = OpenParameterFileByName(file.context, path);
    file.context.hooks.refreshDisplay = refresh;

    SFileOpening opening;
    if (opened != 0 || !fileSet) return opening;
    const GwType type = file.context.program.SelectedGwType;
    opening.changes = RefreshChanges(*fileSet, file.context.image, file.context.form, type);
    const bool warned = host.ProblemShownSince(mark);
    opening.result =
        warned || !opening.changes.empty() ? EFileOpening::ChangedByRefresh : EFileOpening::AsItStands;
    return opening;
}

void PrintRefreshChanges(CConsoleHost& host, const std::vector<SRefreshChange>& changes) {
    for (const SRefreshChange& change : changes)
        host.Note(change.field + ": " + change.inFile + " in the file, " + change.kept + " kept");
}

CliJson RefreshChangesJson(const std::vector<SRefreshChange>& changes) {
    CliJson list = CliJson::array();
    for (const SRefreshChange& change : changes)
        list.push_back({{"field", change.field}, {"file", change.inFile}, {"kept", change.kept}});
    return list;
}

bool OpenFileAsItStands(SCliFileContext& file, CConsoleHost& host, const std::string& path) {
    const SFileOpening opening = OpenFileWatchingRefresh(file, host, path);
    PrintRefreshChanges(host, opening.changes);
    return opening.result == EFileOpening::AsItStands;
}
