#pragma once
// A parameter set as readable lines, as the main window shows it after its display refresh: network,
// station address, baud rate, the information box's sizes, one line per axis slot with the mode as the
// window's grid or drive-unit list names it, the unit block and the option words.
#include <string>

#include "core/app/ProgramValues.h"
#include "core/params/MainFormState.h"
#include "core/params/ParameterImage.h"

// `form` is the main window after the display refresh of `image`: the firmware version, the baud rate,
// the sizes and the axis modes are taken from it.
std::string ParameterSetText(const ParameterImage& image, const SMainFormState& form, GwType type);

// An axis slot's mode as the window shows it: the title of the grid column holding the slot's mark and
// the mark itself ("*", "(*)", "A", "(P)"), or the drive unit's list entry and its ticked reserve box.
// A slot without a selected mode is named "-".
struct SShownAxisMode {
    std::string name;
    std::string mark;
};
SShownAxisMode ShownAxisMode(const SMainFormState& form, GwType type, int slot);
