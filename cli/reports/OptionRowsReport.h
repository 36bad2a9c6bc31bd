#pragma once
// The result of `options FILE`: every option row the specialty or gateway parameter bit dialog shows
// for the file's set, as text or as JSON.
#include <string>
#include <vector>

#include "cli/console/CliJson.h"
#include "core/advanced/OptionRows.h"

struct SOptionsResult {
    std::vector<SOptionRow> rows;
};

// One line per row: the word, the label, the current choice and the choices.
std::string OptionsText(const SOptionsResult& result);
// {"rows":[{"page":"GMOD","label":"...","choice":"...","choices":[...],"enabled":true}, ...]}
CliJson OptionsJson(const SOptionsResult& result);
