#pragma once
// The result of `driver`: the DRAVO driver supervision parameters as the dialog's grid shows them, as
// text or as JSON.
#include <string>
#include <vector>

#include "cli/console/CliJson.h"
#include "core/advanced/DriverParameterTable.h"

struct SDriverRowReport {
    std::uint16_t address;
    std::string symbol;       // e.g. "OMPV"
    std::string label;        // the grid's Name column
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
// {"rows":[{"register":"F800","symbol":"OMPV","label":"...","raw":400,"editable":true,"min":200,
// "max":600}, ...]}; a fixed row has no limits.
CliJson DriverJson(const SDriverResult& result);
