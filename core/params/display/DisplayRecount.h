#pragma once
// The axis counts and slot-count combos of the display refresh: after a read or a file open
// (`RecountPending`) the counts are taken from the axis words; every refresh then sets the slot-count
// combos from the counts.
#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

void RecountAxes(ParameterImage& image, SMainFormState& form, const SProgramValues& program);
