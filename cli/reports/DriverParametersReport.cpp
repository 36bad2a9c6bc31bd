#include "cli/reports/DriverParametersReport.h"

#include <cstdio>

SDriverResult DriverResultOf(const DriverRegisters& registers) {
    const DriverValues values = DriverValuesOf(registers);
    SDriverResult result;
    for (std::size_t row = 0; row < DriverParameterTable.size(); ++row) {
        const SDriverParameter& p = DriverParameterTable[row];
        result.rows.push_back({p.address, std::string(p.Symbol()), std::string(p.Name()), values[row],
                               p.editable, p.min, p.max});
    }
    return result;
}

std::string DriverText(const SDriverResult& result) {
    std::string text;
    for (const SDriverRowReport& row : result.rows) {
        char limits[32] = "fixed";
        if (row.editable)
            std::snprintf(limits, sizeof limits, "%lu-%lu", static_cast<unsigned long>(row.min),
                          static_cast<unsigned long>(row.max));
        char line[64];
        std::snprintf(line, sizeof line, "%04X %-6s %10lu  %-11s ", unsigned{row.address}, row.symbol.c_str(),
                      static_cast<unsigned long>(row.value), limits);
        text += line + row.label + "\n";
    }
    return text;
}

CliJson DriverJson(const SDriverResult& result) {
    CliJson rows = CliJson::array();
    for (const SDriverRowReport& row : result.rows) {
        char address[8];
        std::snprintf(address, sizeof address, "%04X", unsigned{row.address});
        CliJson item{{"register", address},
                     {"symbol", row.symbol},
                     {"label", row.label},
                     {"raw", row.value},
                     {"editable", row.editable}};
        if (row.editable) {
            item["min"] = row.min;
            item["max"] = row.max;
        }
        rows.push_back(item);
    }
    return {{"rows", rows}};
}
