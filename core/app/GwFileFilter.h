#pragma once
// File-dialog filters of parameter files: "description|pattern|" pairs as the text tables hold them.
#include <string>
#include <string_view>
#include <vector>

#include "core/app/GwType.h"

// The filter text of a gateway type with both %ls replaced by its extension, for example
// "VOSK Parameter(*.vogw)|*.vogw|"; empty for the end record.
std::string FileFilterTextOf(const SGwUnitData& unit);

struct SFileFilterEntry {
    std::string description;  // "VOSK Parameter(*.vogw)"
    std::string pattern;      // "*.vogw"
};

// Splits "description|pattern|description|pattern|" into its pairs; a description without a pattern
// is dropped.
std::vector<SFileFilterEntry> SplitFileFilter(std::string_view filter);
