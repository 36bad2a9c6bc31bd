#include "cli/DriverSettings.h"

#include <algorithm>
#include <cctype>

#include "cli/CliExitStatus.h"
#include "core/advanced/NearestNames.h"

namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string NearestSymbols(const std::string& wanted) {
    std::vector<std::string> symbols;
    for (const SDriverParameter& p : DriverParameterTable) symbols.emplace_back(p.Symbol());
    std::string text;
    for (const std::string& name : NearestNames(wanted, symbols)) text += (text.empty() ? "" : ", ") + name;
    return text;
}

int RowOfSymbol(const std::string& symbol) {
    for (std::size_t row = 0; row < DriverParameterTable.size(); ++row) {
        if (DriverParameterTable[row].Symbol() == symbol) return static_cast<int>(row) + 1;
    }
    return 0;
}

}  // namespace

int ApplyDriverSettings(SDrvObsrvState& grid, const std::vector<std::string>& settings, CConsoleHost& host,
                        std::FILE* err) {
    for (const std::string& setting : settings) {
        const auto eq = setting.find('=');
        if (eq == std::string::npos) {
            std::fprintf(err, "gwcli: driver: --set takes \"NAME=VALUE\", not \"%s\"\n", setting.c_str());
            return CLI_USAGE;
        }
        const std::string name = Upper(setting.substr(0, eq));
        const int row = RowOfSymbol(name);
        if (row == 0) {
            std::fprintf(err, "gwcli: driver: no driver parameter \"%s\"; nearest: %s\n", name.c_str(),
                         NearestSymbols(name).c_str());
            return CLI_USAGE;
        }
        if (!DriverRowEditable(row)) {
            std::fprintf(err, "gwcli: driver: %s is fixed and cannot be set\n", name.c_str());
            return CLI_USAGE;
        }
        if (!DriverCellEdited(grid, row, setting.substr(eq + 1), host)) return CLI_FAILED;
    }
    return CLI_OK;
}
