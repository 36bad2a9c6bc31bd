#pragma once
// A parameter set as readable lines: network, station address, baud rate, sizes, one line per axis
// slot with its mode and reserve flag, the unit block and the option words.
#include <string>

#include "core/app/ProgramValues.h"
#include "core/params/MainFormState.h"
#include "core/params/ParameterImage.h"

// `form` is the main window after the display refresh of `image` (the baud rate is taken from it).
std::string ParameterSetText(const ParameterImage& image, const SMainFormState& form, GwType type);

// The name of an axis word's mode, "(none)" beyond the configured axes and "(empty)" for an empty slot.
std::string AxisModeName(std::uint16_t word, GwType type);
