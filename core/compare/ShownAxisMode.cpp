#include "core/compare/ShownAxisMode.h"

#include "core/app/texts/UiText.h"
#include "core/params/display/DisplayFormat.h"

namespace {

constexpr std::size_t TEXT_AXIS = 286;

bool IsMark(const std::string& cell) {
    return !cell.empty() && cell != " " && cell != "-";
}

bool IsServoLetter(const std::string& cell) {
    return cell.find('A') != std::string::npos || cell.find('P') != std::string::npos;
}

SShownAxisMode GridMode(const GridState& grid, int slot) {
    const int row = slot + 1;
    if (row >= grid.rowCount) return {};
    for (int col = 1; col < grid.colCount; ++col) {
        const std::string& cell = grid.Cell(col, row);
        if (!IsMark(cell)) continue;
        const bool reserved = cell.front() == '(';
        std::string name = grid.Cell(col, 0);
        // The servo column names its modes by the letter of the mark.
        if (IsServoLetter(cell)) name += " " + cell.substr(reserved ? 1 : 0, 1);
        return {name, cell, reserved};
    }
    return {};
}

SShownAxisMode DriveUnitMode(const SMainFormState& form, int slot) {
    for (const SDriveUnitPanel& unit : form.DriveUnits) {
        for (std::size_t box = 0; box < unit.slots.size(); ++box) {
            if (unit.slots[box] != slot) continue;
            const bool ticked = box < unit.chkRsvAxis.size() && unit.chkRsvAxis[box].checked;
            const std::string& entry = unit.cbAxisCtrl.Selected();
            return {entry.empty() ? NO_AXIS_MODE : entry, ticked ? unit.chkRsvAxis[box].text : "", ticked};
        }
    }
    return {};
}

}  // namespace

SShownAxisMode ShownAxisMode(const SMainFormState& form, GwType type, int slot) {
    switch (type) {
        case GW_DRAVO:
            return DriveUnitMode(form, slot);
        case GW_VOSK_ML3:
            return GridMode(form.StringGrid2, slot);
        case GW_VOSK_LC:
            return {};
        default:
            return GridMode(form.StringGrid1, slot);
    }
}

std::string AxisSlotCaption(int slot) {
    return FormatText(UiText[TEXT_AXIS], slot);
}
