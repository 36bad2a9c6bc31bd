#pragma once
// Small operations on combo box state used by the display refresh.
#include <string>
#include <vector>

#include "core/app/ControlState.h"

// Items "first" .. "last" as decimal numbers; none when last < first.
void FillNumbers(ComboState& combo, int first, int last);

// Selects the item at `index`; an index outside the items selects nothing (-1).
void SelectIndex(ComboState& combo, int index);

// The window colour: the entries may be chosen.
void ShowWhite(ComboState& combo);

// The button-face colour: the combo is fixed and disabled.
void ShowGrey(ComboState& combo);

// A grey combo holding fixed entries, the first one selected (none when there are no entries).
void ShowFixedEntries(ComboState& combo, std::vector<std::string> items);
