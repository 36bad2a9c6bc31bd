#pragma once
// The result of `driver`: the DRAVO driver supervision parameters as the dialog's grid shows them, as
// text or as JSON.
#include <string>
#include <vector>

#include "cli/CliJson.h"
#include "core/advanced/DriverParameterTable.h"

struct SDriverRowReport {
    std::uint16_t address;
    std::string name;         // the symbol, e.g. "OMPV"
    std::string description;  // the grid's name column
    std::uint32_t value;
    bool editable;
    std::uint32_t min, max;
};

struct SDriverResult {
    std::vector<SDriverRowReport> rows;
};

SDriverResult DriverResultOf(const DriverRegisters& registers);
// One line per row: address, symbol, value, limits (or "fixed") and name.
std::string DriverText(const SDriverResult& result);
// {"rows":[{"register":"F800","name":"OMPV","value":400,"editable":true,"min":200,"max":600}, ...]}
CliJson DriverJson(const SDriverResult& result);
