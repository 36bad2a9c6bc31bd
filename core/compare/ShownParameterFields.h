#pragma once
// A parameter set as the main window shows it: every field the window names, with the register it is
// kept in and the text the window shows for it (a combo's item, not the raw word).
#include <string>
#include <vector>

#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

struct SShownField {
    std::string field;  // the window's name of the field ("Network Type", "Axis3 Rsv", an option label)
    std::string reg;    // the register the field is kept in, "F103"
    std::string text;   // what the window shows
};

// The fields the window shows for `image`, in window order: network type, address, baud rate, data
// size, TP port baud rate, the information box's sizes, each axis slot's mode and reserve flag, unit
// number, top axis, multi-drop, the three IP addresses, then each option row of the specialty or gateway
// parameter bit dialog. `laidOut` is the main window laid out for the type (its lists and grid rows);
// the image is shown on a copy of it, so neither is changed.
std::vector<SShownField> ShownParameterFields(const ParameterImage& image, const SMainFormState& laidOut,
                                              const SProgramValues& program);

// The register behind row `row` (0..2) of the information box named `name`: the sizes are DSZO and DSZI,
// CC-Link's mode is the network code, its extended cyclic setting DSZI and its station count DBPS.
unsigned InformationRowRegister(const std::string& name, int row);
