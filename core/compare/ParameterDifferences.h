#pragma once
// The fields in which two parameter sets of one gateway type differ, as the main window would show
// them side by side.
#include <string>
#include <vector>

#include "core/compare/ShownParameterFields.h"

struct SParameterDifference {
    std::string field;  // the window's name of the field
    std::string reg;    // its register, "F103"
    std::string left;   // what the window shows for the first set
    std::string right;  // ... and for the second
};

// Every field whose shown text differs between `left` and `right`, once each, in window order. A field
// the window shows for one set only (the data size list of one network, a grid row of one unit) counts
// as shown with "(none)" for the other. Then every difference of the registers the parameter files
// carry that no shown field covers (UnshownDifferences.h): no difference means the sets are equal.
std::vector<SParameterDifference> CompareParameterSets(const ParameterImage& left,
                                                       const ParameterImage& right,
                                                       const SMainFormState& laidOut,
                                                       const SProgramValues& program);

// The same for two field lists already shown.
std::vector<SParameterDifference> DifferingFields(const std::vector<SShownField>& left,
                                                  const std::vector<SShownField>& right);
