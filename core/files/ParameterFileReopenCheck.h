#pragma once
// Whether a parameter set, once saved, would open again: every register the file carries is held to the
// rule the file reader applies to its line. A save refuses a set that would not, so that no file the
// tool writes is one it then refuses (a unit may hold values the reader does not take, such as a
// station address above 239 with no fieldbus).
#include "core/app/GwType.h"
#include "core/params/image/ParameterImage.h"

// VALIDATION_OK, or the validation finding (Validation.h) whose message names the refused value.
int ReopenFindingOf(const ParameterImage& image, GwType type);
