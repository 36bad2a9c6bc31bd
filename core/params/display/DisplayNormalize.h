#pragma once
// Brings the axis words into the shape the gateway type uses before they are shown: empty slots of the
// configured axes get the type's filler, slots beyond them become FFFFh, KAVELIS Full axes are written
// as pairs after the first group.
#include <functional>

#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"

// The DRAVO drive-unit rules of the validation: true when the axis words describe drive units the
// gateway accepts.
using DravoUnitRulesCheck = std::function<bool(const ParameterImage&)>;

// Normalises `image.AxisMode` for `program.SelectedGwType`. For DRAVO an axis configuration that
// breaks the drive-unit rules is cleared; after a read or a file open (`RecountPending`) the user is
// told once and the mode returns to "Direct,Positioner".
void NormalizeAxisWords(ParameterImage& image, const SProgramValues& program, HostServices& host,
                        const DravoUnitRulesCheck& dravoUnitRulesHold);
