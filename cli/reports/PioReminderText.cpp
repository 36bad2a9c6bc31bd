#include "cli/reports/PioReminderText.h"

#include "cli/console/ConsoleHost.h"
#include "core/advanced/ParaAndPioState.h"

std::string PioReminderText(GwType type, std::uint32_t toolFlags) {
    const SParaAndPioState window = CreateParaAndPioState(type, toolFlags);
    std::string text =
        TerminalText(window.lParaPIO.text) + "\n" + TerminalText(window.lGridTitle.text) + "\n";
    for (const auto& row : window.StringGrid1.cells) {
        for (std::size_t col = 0; col < row.size(); ++col)
            text += (col == 0 ? "" : " | ") + TerminalText(row[col]);
        text += "\n";
    }
    if (window.lNote.visible && !window.lNote.text.empty()) text += TerminalText(window.lNote.text) + "\n";
    return text;
}
