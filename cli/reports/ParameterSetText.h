#pragma once
// A parameter set as readable lines, as the main window shows it after its display refresh: network,
// station address, baud rate, the information box's sizes, one line per axis slot named as the window
// and the compare window name it, the unit block and the option words.
#include <string>

#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

// `form` is the main window after the display refresh of `image`: the firmware version, the baud rate,
// the sizes and the axis modes are taken from it.
std::string ParameterSetText(const ParameterImage& image, const SMainFormState& form, GwType type);
