#pragma once
// The preparation before the checks: the words of the image that follow from the main window's controls.
#include "core/app/ControlState.h"
#include "core/app/GwType.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

// Sets `AxisMode[]` from the marks of a mode grid (`StringGrid1` of KAVELIS, VOSK and NUB3 GW, or
// `StringGrid2` of VOSK(MLIII)): row r is slot r - 1; slots without a row become FFFFh.
void RebuildAxisWordsFromGrid(ParameterImage& image, const GridState& grid, GwType type);

// Runs the preparation for `type`: station address, baud code, axis words, counts, mirror and network
// words. Returns 0, or the code that stopped it (an EtherCAT address that is no number or above 65535,
// a DRAVO mode list without an entry, a VOSK-LC TP port entry without a code).
int PrepareImage(ParameterImage& image, SMainFormState& form, GwType type);
