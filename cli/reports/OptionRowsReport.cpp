#include "cli/reports/OptionRowsReport.h"

namespace {
constexpr std::size_t LABEL_COLUMN = 52;
}  // namespace

std::string OptionsText(const SOptionsResult& result) {
    std::string text;
    for (const SOptionRow& row : result.rows) {
        std::string line =
            row.page + (row.page.size() < 10 ? std::string(10 - row.page.size(), ' ') : " ") + row.label;
        line += line.size() < LABEL_COLUMN ? std::string(LABEL_COLUMN - line.size(), ' ') : " ";
        line += "= " + row.choice + "   (";
        for (std::size_t i = 0; i < row.choices.size(); ++i) line += (i == 0 ? "" : " | ") + row.choices[i];
        line += row.enabled ? ")" : "; disabled)";
        text += line + "\n";
    }
    return text;
}

CliJson OptionsJson(const SOptionsResult& result) {
    CliJson rows = CliJson::array();
    for (const SOptionRow& row : result.rows) {
        rows.push_back({{"page", row.page},
                        {"label", row.label},
                        {"choice", row.choice},
                        {"choices", row.choices},
                        {"enabled", row.enabled}});
    }
    return {{"rows", rows}};
}
