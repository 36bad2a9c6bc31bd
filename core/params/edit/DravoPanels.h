#pragma once
// The DRAVO axis area: one drive-unit panel per two axis slots, each with a mode list and one reserve
// check box per slot, and the two radio buttons that choose between the "Direct,Positioner" modes and
// the "RemoteI/O" mode (`DravoMode` 1 or 2). The panels live in `SMainFormState::DriveUnits`; the
// layout builds them, the display refresh shows the image in them (here) and their events edit the
// image (DravoPanelEvents).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/app/ProgramValues.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

inline constexpr int DRAVO_MODE_DIRECT_POSITIONER = 1;
inline constexpr int DRAVO_MODE_REMOTE_IO = 2;
// "Undefined" heads every drive unit's mode list.
inline constexpr int DRAVO_UNDEFINED_POSITION = 0;

// One entry of a drive unit's mode list.
struct SDravoListEntry {
    std::uint16_t code;  // FFFFh for "Undefined"
    std::string text;    // "Undefined" or e.g. "Positioner1(Size:4W)"
};

// The modes a drive unit offers for `DravoMode` and the network, "Undefined" first. On CompoNet and
// MECHATROLINK only Positioner3 and RemoteI/O remain.
std::vector<SDravoListEntry> DravoModeList(int dravoMode, std::uint16_t ntyp, GwType type = GW_DRAVO);

// Whether the list of `DravoMode` and the network offers the mode of the axis word (bits 0..14).
bool IsDravoModeOffered(std::uint16_t word, int dravoMode, std::uint16_t ntyp, GwType type = GW_DRAVO);

// The axis words describe drive units the gateway accepts: each configured unit holds one offered mode
// in both its slots (one when the unit's last slot is its only one), later slots are free, and `W4N`
// stays within the unit's slots.
bool DravoUnitRulesHold(const ParameterImage& image, GwType type = GW_DRAVO);

// The configured slot count the panels give: the slots of the leading drive units whose list is not at
// "Undefined" (two per unit; the last unit of an odd slot count holds one).
int DravoConfiguredSlots(const SMainFormState& form);

// Refills one unit's mode list for the mode and network; the selection goes to "Undefined".
void FillDravoModeList(SDriveUnitPanel& unit, int dravoMode, std::uint16_t ntyp);

// The list position of an axis word in a unit's current list; nothing when the list lacks the mode.
std::optional<int> DravoListPositionOf(const SDriveUnitPanel& unit, std::uint16_t word);

// Shows the image in the panels (called by the display refresh): radio buttons from `DravoMode`, each
// list enabled when the unit before it is defined, refilled when `PanelReinitPending` is set, selected
// at the mode of the unit's first slot; check boxes from the reserve flags. Clears `PanelReinitPending`.
void RefreshDravoPanels(SMainFormState& form, const ParameterImage& image);
