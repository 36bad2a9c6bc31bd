#pragma once
// The network-dependent part of the main window: the network field, the station address and baud-rate
// lists (correcting out-of-range values in the image), the sizes of the information box, the CC-Link
// mode labels and the PROFINET IO MAC panel.
#include <string>

#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

// Shown in `Label12` when the axes need more data than the network carries.
inline constexpr std::string_view DATA_SIZE_OVER_TEXT = "Data size over.";

// Fills the network-dependent controls from the image. On EtherCAT a data size above the type's maximum
// shows "Data size over." and the data error box every time.
void ShowNetworkContents(ParameterImage& image, SMainFormState& form, const SProgramValues& program,
                         HostServices& host);

// Removes every status-bar panel showing a MAC address.
void RemoveMacPanel(SMainFormState& form);

// The PROFINET IO MAC panel text: "MAC ID" and the six address bytes from `ProfinetInfo[10..11]`.
std::string MacPanelText(const ParameterImage& image);
