#pragma once
// The events of the DRAVO drive-unit panels: a unit's mode list, its reserve check boxes and the two
// radio buttons that choose the mode group. Each edits the image and ends with the display refresh,
// which shows the image in the panels again (DravoPanels).
#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

// Mode list of drive unit `unit` changed to `index`: both slots take the mode (reserve flags from the
// check boxes), an "Undefined" unit frees every later unit, and the counts follow the leading defined
// units. Then the display is refreshed.
void cbAxisCtrlChange(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                      HostServices& host, int unit, int index);

// Reserve check box `box` of drive unit `unit` clicked, now `checked`: sets or clears the reserve flag of
// the slot unless the slot is free. Then the display is refreshed.
void chkRsvAxisClick(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                     HostServices& host, int unit, int box, bool checked);

// Radio button clicks: select the button, set `DravoMode`, clear the configuration, refresh.
void rbFull_PosClick(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                     HostServices& host);
void rbRemIOClick(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                  HostServices& host);

// A radio button receiving the focus while not selected is selected as by a click.
void rbFull_PosEnter(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                     HostServices& host);
void rbRemIOEnter(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                  HostServices& host);
