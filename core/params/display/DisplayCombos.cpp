#include "core/params/display/DisplayCombos.h"

void FillNumbers(ComboState& combo, int first, int last) {
    combo.items.clear();
    for (int n = first; n <= last; ++n) combo.items.push_back(std::to_string(n));
}

void SelectIndex(ComboState& combo, int index) {
    combo.index = index >= 0 && index < static_cast<int>(combo.items.size()) ? index : -1;
}

void ShowWhite(ComboState& combo) {
    combo.grey = false;
    combo.enabled = true;
}

void ShowGrey(ComboState& combo) {
    combo.grey = true;
    combo.enabled = false;
}

void ShowFixedEntries(ComboState& combo, std::vector<std::string> items) {
    combo.items = std::move(items);
    ShowGrey(combo);
    SelectIndex(combo, 0);
}
