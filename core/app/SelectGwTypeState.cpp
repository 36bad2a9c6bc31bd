#include "core/app/SelectGwTypeState.h"

namespace {

bool IsListed(const SGwUnitData& unit, bool extendedMode) {
    return extendedMode ? unit.listedExtended : unit.listedNormally;
}

}  // namespace

SSelectGwTypeState CreateSelectGwTypeState(bool extendedMode) {
    SSelectGwTypeState state;
    state.caption = "SelectGwType";
    state.Label1.text = "Select Unit type.";
    state.Button1.text = "OK";
    state.Button1.enabled = true;
    state.extendedMode = extendedMode;
    for (const SGwUnitData& unit : GwTypeTable) {
        if (unit.code == GW_NONE) break;
        if (IsListed(unit, extendedMode)) state.cbSlctGwType.items.emplace_back(unit.name);
    }
    state.cbSlctGwType.index = 0;
    return state;
}

GwType GwTypeOfListItem(bool extendedMode, int item) {
    if (item < 0) return GW_NONE;
    int count = 0;
    for (const SGwUnitData& unit : GwTypeTable) {
        if (unit.code == GW_NONE) break;
        if (!IsListed(unit, extendedMode)) continue;
        if (count == item) return unit.code;
        ++count;
    }
    return GW_NONE;
}

void ActivateSelectGwType(SProgramValues& values) {
    values.SelectedGwType = GW_NONE;
}

void LeaveSelectGwTypeWithoutChoice(SProgramValues& values) {
    values.SelectedGwType = GW_NONE;
}

bool CloseSelectGwType(const SSelectGwTypeState& state, SProgramValues& values) {
    const GwType type = GwTypeOfListItem(state.extendedMode, state.cbSlctGwType.index);
    if (type == GW_NONE) return false;
    values.SelectedGwType = type;
    return true;
}
