#pragma once
// The display refresh as every edit ends with it, with the DRAVO drive-unit panel redraw and the DRAVO
// unit rules plugged in.
#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"
#include "core/params/display/RefreshDisplay.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

// The hooks of `RefreshDisplay`: `RefreshDravoPanels` and `DravoUnitRulesHold` for the selected type.
SRefreshHooks EditRefreshHooks(GwType type);

// `RefreshDisplay` with `EditRefreshHooks`. Every caller outside the edit handlers (read, write, file
// open, dialogs) may use it as well.
void RefreshAfterEdit(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                      HostServices& host);
