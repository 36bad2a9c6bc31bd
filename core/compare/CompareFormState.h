#pragma once
// Plain state of the compare window `TCompareForm`: a summary line, the table of differing fields
// (field, register, the window's value, the unit's or file's value), and the two buttons that take the
// other set or keep the window's.
#include <vector>

#include "core/app/ControlState.h"
#include "core/compare/ParameterDifferences.h"

enum class ECompareSource { Unit, File };

struct SCompareFormState {
    std::string caption;
    TextState lblSummary;
    GridState sgDifferences;  // row 0: the column titles
    TextState btnTake;        // hidden when nothing differs
    TextState btnKeep;
};

// The window for the differences of the window's set (`left`) and the unit's or file's (`right`).
SCompareFormState CreateCompareFormState(ECompareSource source,
                                         const std::vector<SParameterDifference>& differences);
