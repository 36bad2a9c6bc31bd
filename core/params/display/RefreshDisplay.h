#pragma once
// The one refresh of the main window's parameter area from the parameter image. On the way it recounts
// and normalises the axis words, recomputes the I/O sizes, corrects out-of-range station addresses and
// baud codes in the image and keeps the axis mode mirror equal to the axis words. It never talks to the
// unit.
#include <functional>

#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"
#include "core/params/display/DisplayNormalize.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

// The parts of the refresh that belong to the DRAVO drive-unit panels and to the validation.
struct SRefreshHooks {
    // The DRAVO drive-unit rules; without it every DRAVO configuration counts as accepted.
    DravoUnitRulesCheck dravoUnitRulesHold;
    // Redraws the DRAVO drive-unit panels from the image (mode lists, selections, reserve boxes,
    // radio buttons) and clears `PanelReinitPending`.
    std::function<void(SMainFormState&, const ParameterImage&)> refreshDravoPanels;
};

void RefreshDisplay(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                    HostServices& host, const SRefreshHooks& hooks);
