#include "core/advanced/DrvObsrvState.h"

#include <cerrno>
#include <cstdlib>

#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"
#include "core/params/display/DisplayFormat.h"

namespace {

constexpr int UI_CAPTION = 354;
constexpr int UI_WRITE = 4;
constexpr int UI_CLOSE = 352;
constexpr std::array<int, 4> UI_HEADERS{149, 293, 294, 295};
constexpr int MSG_ILLEGAL_VALUE = 66;

const SDriverParameter& ParameterOfRow(int row) {
    return DriverParameterTable[static_cast<std::size_t>(row - 1)];
}

bool IsDataRow(int row) {
    return row >= 1 && row <= DRIVER_PARAM_ROWS;
}

// A whole number in signed 64-bit range with optional blanks around it.
std::optional<long long> ParseInteger(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &end, 10);
    if (end == begin || errno == ERANGE) return std::nullopt;
    while (*end == ' ' || *end == '\t') ++end;
    if (*end != '\0') return std::nullopt;
    return value;
}

}  // namespace

SDrvObsrvState CreateDrvObsrvState() {
    SDrvObsrvState state;
    state.caption = UiText[UI_CAPTION];
    state.btnWrite.text = UiText[UI_WRITE];
    state.btnClose.text = UiText[UI_CLOSE];
    GridState& grid = state.sgPara;
    grid.Resize(4, DRIVER_PARAM_ROWS + 1);
    for (int col = 0; col < 4; ++col) {
        grid.Cell(col, 0) = UiText[static_cast<std::size_t>(UI_HEADERS[static_cast<std::size_t>(col)])];
        grid.colours[0][static_cast<std::size_t>(col)] = CellColour::Grey;
    }
    for (int row = 1; row <= DRIVER_PARAM_ROWS; ++row) {
        const SDriverParameter& p = ParameterOfRow(row);
        grid.Cell(0, row) = FormatText("%04X", unsigned{p.address});
        grid.Cell(1, row) = p.Symbol();
        grid.Cell(2, row) = p.Name();
        const auto r = static_cast<std::size_t>(row);
        for (int col = 0; col < 4; ++col) {
            const bool fixed = col < DRV_COL_VALUE || !p.editable;
            grid.colours[r][static_cast<std::size_t>(col)] = fixed ? CellColour::Grey : CellColour::White;
        }
        grid.greyText[r][DRV_COL_VALUE] = !p.editable;
    }
    EnableDrvObsrvControls(state, false);
    return state;
}

void EnableDrvObsrvControls(SDrvObsrvState& state, bool enabled) {
    state.sgPara.enabled = enabled;
    state.btnWrite.enabled = enabled;
    state.btnClose.enabled = enabled;
}

void ShowDriverValues(SDrvObsrvState& state, const DriverRegisters& registers) {
    const DriverValues values = DriverValuesOf(registers);
    for (int row = 1; row <= DRIVER_PARAM_ROWS; ++row) {
        state.sgPara.Cell(DRV_COL_VALUE, row) =
            FormatText("%lu", static_cast<unsigned long>(values[row - 1]));
    }
}

bool DriverRowEditable(int row) {
    return IsDataRow(row) && ParameterOfRow(row).editable;
}

std::optional<std::uint32_t> DriverRowValue(const SDrvObsrvState& state, int row) {
    if (!IsDataRow(row)) return std::nullopt;
    const auto parsed = ParseInteger(state.sgPara.Cell(DRV_COL_VALUE, row));
    if (!parsed || *parsed < INT32_MIN || *parsed > UINT32_MAX) return std::nullopt;
    const auto value = static_cast<std::uint32_t>(*parsed);
    const SDriverParameter& p = ParameterOfRow(row);
    if (value < p.min || value > p.max) return std::nullopt;
    return value;
}

std::string DriverLimitMessage(const SDriverParameter& parameter) {
    return FormatText(MsgText[MSG_ILLEGAL_VALUE], std::string(parameter.Symbol()).c_str(),
                      static_cast<int>(parameter.min), static_cast<int>(parameter.max));
}

bool ValidateDriverRow(const SDrvObsrvState& state, int row, HostServices& host) {
    if (DriverRowValue(state, row)) return true;
    host.ShowMessageBox(DriverLimitMessage(ParameterOfRow(row)), MB_ICON_ERROR);
    return false;
}

bool DriverCellEdited(SDrvObsrvState& state, int row, const std::string& text, HostServices& host) {
    if (!DriverRowEditable(row)) return true;
    DriverCellText(state, row, text);
    return ValidateDriverRow(state, row, host);
}

void DriverCellText(SDrvObsrvState& state, int row, const std::string& text) {
    if (DriverRowEditable(row)) state.sgPara.Cell(DRV_COL_VALUE, row) = text;
}

void DriverCellSelected(SDrvObsrvState& state, int col, int row, HostServices& host) {
    if (col == state.col && row == state.row) return;
    DriverEditEnded(state, host);
    state.col = col;
    state.row = row;
}

bool DriverEditEnded(const SDrvObsrvState& state, HostServices& host) {
    if (state.col != DRV_COL_VALUE || !DriverRowEditable(state.row)) return true;
    return ValidateDriverRow(state, state.row, host);
}

std::optional<DriverRegisters> DriverRegistersToWrite(const SDrvObsrvState& state, HostServices& host) {
    DriverValues values{};
    for (int row = 1; row <= DRIVER_PARAM_ROWS; ++row) {
        if (!ValidateDriverRow(state, row, host)) return std::nullopt;
        values[static_cast<std::size_t>(row - 1)] = *DriverRowValue(state, row);
    }
    return DriverRegistersOf(values);
}
