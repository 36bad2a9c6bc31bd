#pragma once
// The driver monitor parameter dialog `TDrvObsrvForm` (DRAVO in ExtendedMode): the grid `sgPara` of the
// 28 supervision parameters, its editing rules and the check of each value against its limits.
#include <optional>
#include <string>

#include "core/advanced/DriverParameterTable.h"
#include "core/app/ControlState.h"
#include "core/app/HostServices.h"

inline constexpr int DRV_COL_VALUE = 3;

struct SDrvObsrvState {
    std::string caption;
    GridState sgPara;  // 4 columns (3 fixed), 29 rows (1 fixed)
    TextState btnWrite;
    TextState btnClose;
    int col = DRV_COL_VALUE;  // current cell
    int row = 1;
};

// The dialog's texts and grid, without values; the grid and both buttons disabled until the read ends.
SDrvObsrvState CreateDrvObsrvState();
// Enables or disables the grid and both buttons (disabled while the unit is read or written).
void EnableDrvObsrvControls(SDrvObsrvState& state, bool enabled);
// Shows the values read from the unit in the value column ("%lu").
void ShowDriverValues(SDrvObsrvState& state, const DriverRegisters& registers);

// Whether the value cell of grid row `row` (1 to 28) may be edited.
bool DriverRowEditable(int row);
// The value text of a row as a number within the row's limits; nothing when it is no whole number
// (blanks around it allowed) or, taken as an unsigned 32-bit value, lies outside the limits.
std::optional<std::uint32_t> DriverRowValue(const SDrvObsrvState& state, int row);
// Validates a row; an invalid value shows "Illegal Data Value(SYMBOL)\r\nPlease input MIN-MAX" and the
// cell keeps the rejected text.
bool ValidateDriverRow(const SDrvObsrvState& state, int row, HostServices& host);
// The user ended editing a value cell (Enter, another cell, leaving the grid): the text is kept and
// validated.
bool DriverCellEdited(SDrvObsrvState& state, int row, const std::string& text, HostServices& host);
// The editor of a value cell handed over its text: kept, not yet validated (leaving the cell does that).
void DriverCellText(SDrvObsrvState& state, int row, const std::string& text);
// Another cell became the current one. An editable value cell always shows its editor, so leaving one
// validates its row, whether its text was changed or not (a value read from the unit may lie outside
// the limits).
void DriverCellSelected(SDrvObsrvState& state, int col, int row, HostServices& host);
// Enter in the current cell, or the focus leaving the grid: an editable value cell's row is validated.
// True when the row is valid (or the cell is no editable value cell).
bool DriverEditEnded(const SDrvObsrvState& state, HostServices& host);
// Validates all rows in order; at the first invalid row (its message shown) nothing; otherwise the 38
// register values to write.
std::optional<DriverRegisters> DriverRegistersToWrite(const SDrvObsrvState& state, HostServices& host);

// "Illegal Data Value(%ls)\r\nPlease input %d-%d" for a row.
std::string DriverLimitMessage(const SDriverParameter& parameter);
