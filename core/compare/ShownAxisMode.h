#pragma once
// An axis slot as the main window shows it, named the same wherever a set is shown or compared: the
// slot by the window's own caption ("Axis3"), its mode by the title of the grid column holding the
// slot's mark (the servo column's modes by their letter too: "ML-IIIServo A") or by the drive unit's
// list entry, and whether the slot is reserved.
#include <string>

#include "core/app/GwType.h"
#include "core/params/layout/MainFormState.h"

inline constexpr const char* NO_AXIS_MODE = "-";

struct SShownAxisMode {
    std::string name = NO_AXIS_MODE;  // "-" when the window shows no mode for the slot
    std::string mark;                 // as the window shows it: "*", "(*)", "A", "(P)", "Axis3 Rsv", or empty
    bool reserved = false;            // the mark in parentheses, or the drive unit's reserve box ticked
};

// `form` is the main window after its display refresh.
SShownAxisMode ShownAxisMode(const SMainFormState& form, GwType type, int slot);

// "Axis3": the slot as the window's captions name it.
std::string AxisSlotCaption(int slot);
