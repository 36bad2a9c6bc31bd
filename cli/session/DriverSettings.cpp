#include "cli/session/DriverSettings.h"

#include <algorithm>
#include <cctype>

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

std::string DriverSettingsProblem(const std::vector<std::string>& settings) {
    for (const std::string& setting : settings) {
        const auto eq = setting.find('=');
        if (eq == std::string::npos) return "driver: --set takes \"NAME=VALUE\", not \"" + setting + "\"";
        const std::string name = Upper(setting.substr(0, eq));
        const int row = RowOfSymbol(name);
        if (row == 0) return "driver: no driver parameter \"" + name + "\"; nearest: " + NearestSymbols(name);
        if (!DriverRowEditable(row)) return "driver: " + name + " is fixed and cannot be set";
    }
    return {};
}

bool ApplyDriverSettings(SDrvObsrvState& grid, const std::vector<std::string>& settings, CConsoleHost& host) {
    for (const std::string& setting : settings) {
        const auto eq = setting.find('=');
        if (!DriverCellEdited(grid, RowOfSymbol(Upper(setting.substr(0, eq))), setting.substr(eq + 1), host))
            return false;
    }
    return true;
}
