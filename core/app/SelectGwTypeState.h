#pragma once
// The gateway type dialog `TSelectGwType`: which types it offers, and which type its choice means.
#include "core/app/ControlState.h"
#include "core/app/GwType.h"
#include "core/app/ProgramValues.h"

struct SSelectGwTypeState {
    std::string caption;  // "SelectGwType"
    TextState Label1;     // "Select Unit type."
    ComboState cbSlctGwType;
    TextState Button1;  // "OK"
    bool extendedMode = false;
};

// The dialog as created: the types listed for the mode, in table order, item 0 selected.
SSelectGwTypeState CreateSelectGwTypeState(bool extendedMode);

// The type a list item stands for in the given mode; GW_NONE when the item is not in the list.
GwType GwTypeOfListItem(bool extendedMode, int item);

// The dialog became active: no type is chosen yet.
void ActivateSelectGwType(SProgramValues& values);

// The dialog is left by Escape or its close box: no type is chosen, and the tool ends as it would after
// the Cancel of any start dialog, rather than carrying on with whatever the list showed.
void LeaveSelectGwTypeWithoutChoice(SProgramValues& values);

// The dialog is about to close: stores the selected type and returns true, or returns false (the
// dialog stays open) when the selection is not an item of the list.
bool CloseSelectGwType(const SSelectGwTypeState& state, SProgramValues& values);
