#pragma once
// An axis slot of the mode grids reached by clicks, as a user of the window reaches it: the grid cycles
// a slot (a VOSK or VOSK(MLIII) slot together with its pair partner) through a mode, its reserved form
// and back, so one state may need several clicks, in the slot's row and in its partner's, and may change
// the partner on the way. The clicks are tried on copies of the window with the grid's own click
// handler; only the clicks of the chosen way are then made on the window itself.
#include <vector>

#include "core/app/HostServices.h"
#include "core/app/ProgramValues.h"
#include "core/compare/ShownAxisMode.h"
#include "core/params/image/ParameterImage.h"
#include "core/params/layout/MainFormState.h"

// The most clicks a slot needs for any state it can take: a pair's partner set back after the slot
// went through the servo column's A, (A), P, (P).
inline constexpr int MOST_SLOT_CLICKS = 5;

// One click in the grid: a mode column of the row of an axis slot.
struct SSlotClick {
    int slot;
    int column;
    bool operator==(const SSlotClick&) const = default;
};

// A state of the window the clicks reach, the slot as it then shows, and the fewest clicks that reach it.
struct SSlotReach {
    SShownAxisMode mode;
    std::vector<SSlotClick> clicks;
    int othersChanged = 0;  // registers besides the slot's own that differ from the state before
};

// Whether the type edits its axis slots in a grid (KAVELIS, VOSK, NUB3 GW: `StringGrid1`; VOSK(MLIII):
// `StringGrid2`).
bool HasAxisGrid(GwType type);

// Every state that clicks in the row of `slot` (and of its pair partner, on the types that pair their
// slots) reach within MOST_SLOT_CLICKS clicks, the current state first (no clicks), each state once.
// `form` is the window after its refresh; neither it nor `image` changes.
std::vector<SSlotReach> ReachableSlotStates(const ParameterImage& image, const SMainFormState& form,
                                            const SProgramValues& program, int slot);

// Clicks column `column` of the row of `slot` in the type's grid, as the window forwards a click.
void ClickSlot(ParameterImage& image, SMainFormState& form, const SProgramValues& program, HostServices& host,
               int slot, int column);
