#pragma once
// The option rows of the specialty dialog (KAVELIS) or the gateway parameter bit dialog (other types)
// as plain records, for working without a window: which rows the dialog shows for the type, firmware
// and mode, and choosing one of a row's list texts by the row's label, exactly as the dialog would.
#include <string>
#include <string_view>
#include <vector>

#include "core/app/ControlState.h"
#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"

struct SOptionRow {
    std::string page;    // the word the row edits: "GMOD", "ExtParam1" or "ExtParam2"
    std::string label;   // as the dialog shows it
    std::string choice;  // the selected list text
    std::vector<std::string> choices;
    bool enabled = true;  // shown but disabled (the unit-velocity row without Full-mode axes)
};

// Every row the dialog shows, page by page in row order. Opening the dialog may store a retry count of
// 3 in place of 0, as the dialog does.
std::vector<SOptionRow> ShownOptionRows(ParameterImage& image, const SProgramValues& program,
                                        const ComboState& cbW8N);

enum class OptionChangeError { None, UnknownLabel, AmbiguousLabel, UnknownChoice, DisabledRow };

struct SOptionChangeResult {
    OptionChangeError error = OptionChangeError::None;
    std::vector<std::string> nearest;  // the closest labels or choices, for the message
};

// Chooses `choice` in the row labelled `label` and lets the dialog write it back: the word and the
// modified flag as closing the dialog would leave them. Labels and choices are compared without the
// blanks around them, a label as written first and then without regard to case, a choice without regard
// to case; "PAGE:LABEL" names the page where a label appears on more than one.
SOptionChangeResult ChangeOptionRow(ParameterImage& image, const SProgramValues& program,
                                    const ComboState& cbW8N, SMainFlags& flags, std::string_view label,
                                    std::string_view choice);
