#pragma once
// Differences of two parameter sets that no field of the main window shows. Two sets count as equal
// only when every register their parameter files carry is equal, so a register whose difference does
// not change what the window shows is listed by itself, and by bit for the option words (GMOD,
// ExtParam1, ExtParam2), whose option dialogs may not show every bit.
#include <vector>

#include "core/compare/ParameterDifferences.h"

// The unshown differences, in register order: field "Register" with the two values in hexadecimal, or
// "Bit n" with 0 or 1. A register counts as shown when one of the `shown` differences is kept in it or
// when setting it alone to the other set's value changes what the window shows; a bit of an option
// word only by the latter. `leftFields` are the fields the window shows for `left`. The unit's status
// word (F100h) and firmware version (F101h) describe the unit, not the set, and are not compared.
std::vector<SParameterDifference> UnshownDifferences(const ParameterImage& left, const ParameterImage& right,
                                                     const std::vector<SShownField>& leftFields,
                                                     const std::vector<SParameterDifference>& shown,
                                                     const SMainFormState& laidOut,
                                                     const SProgramValues& program);
