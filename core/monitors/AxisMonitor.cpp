#include "core/monitors/AxisMonitor.h"

#include <algorithm>

#include "core/app/texts/CommonMsgText.h"
#include "core/app/texts/CommonText.h"
#include "core/app/texts/UiText.h"
#include "core/link/CommResult.h"
#include "core/monitors/AxisValueText.h"
#include "core/monitors/MonitorCycle.h"
#include "core/procedures/RegisterExchange.h"

namespace {

constexpr std::uint16_t REG_AXIS_MODES = 0xF110;
constexpr std::uint16_t REG_FINX = 0xF109;
constexpr int MSG_COMM_ERROR_PC = 55;
constexpr int TWO_WORD_COLUMNS = 4;
constexpr int FULL_COLUMNS = 8;
constexpr int FULL_WORDS = 8;
constexpr int FOUR_WORDS = 4;

std::string Ui(int slot) {
    return std::string(UiText[static_cast<std::size_t>(slot)]);
}

// The rows the sizes ask for (W4N, or W4N + W8N, and at least one), or more when the mode words give
// more axes than the sizes count (a 2-word axis among Full-layout axes is not counted by W4N or W8N):
// every axis whose words are read has a row to show them in.
int GridRowCount(const SAxisMonitorFormState& form) {
    const int fixedRows = form.twoWordLayout ? 1 : 2;
    const int counted = form.twoWordLayout ? form.w4n : form.w4n + form.w8n;
    return fixedRows + std::max({counted, 1, static_cast<int>(form.rows.size())});
}

void BuildGrid(SAxisMonitorFormState& form) {
    form.fixedCols = 2;
    form.fixedRows = form.twoWordLayout ? 1 : 2;
    const int rowCount = GridRowCount(form);
    GridState& grid = form.StringGrid1;
    grid.Resize(form.twoWordLayout ? TWO_WORD_COLUMNS : FULL_COLUMNS, rowCount);
    for (int row = 0; row < rowCount; ++row) {
        for (int col = 0; col < grid.colCount; ++col) {
            if (row < form.fixedRows || col < form.fixedCols) {
                grid.colours[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = CellColour::Grey;
            }
        }
    }
    const int labelRow = form.fixedRows - 1;
    grid.Cell(0, labelRow) = Ui(33);
    grid.Cell(1, labelRow) = CommonText[501];
    for (std::size_t axis = 0; axis < form.rows.size(); ++axis) {
        const int row = static_cast<int>(axis) + form.fixedRows;
        grid.Cell(0, row) = std::to_string(axis);
        grid.Cell(1, row) = form.rows[axis].modeText;
    }
}

int ReadUnitWords(CSession& session, std::uint16_t first, std::uint16_t count,
                  std::vector<std::uint16_t>& words) {
    const int result = ReadHoldingRegisters(session, first, count, words);
    if (result != COMM_OK) session.host.ShowMessageBox(CommonMsgText[MSG_COMM_ERROR_PC], MB_ICON_ERROR);
    return result;
}

void FillFullRow(GridState& grid, int row, const std::uint16_t* w, bool fromGateway) {
    grid.Cell(2, row) = AxisLongText(w[0], w[1]);
    grid.Cell(3, row) = AxisLongText(w[2], w[3]);
    grid.Cell(4, row) = AxisSignedText(w[4]);
    grid.Cell(5, row) = AxisUnsignedText(w[5]);
    grid.Cell(6, row) = AxisNumberText(w[6], w[7], fromGateway);
    grid.Cell(7, row) = AxisStatusText(w[7]);
}

void FillFourWordRow(GridState& grid, int row, const std::uint16_t* w, bool fromGateway) {
    grid.Cell(2, row) = grid.Cell(3, row) = grid.Cell(4, row) = "-";
    grid.Cell(5, row) = AxisLongText(w[0], w[1]);
    grid.Cell(6, row) = AxisNumberText(w[2], w[3], fromGateway);
    grid.Cell(7, row) = AxisStatusText(w[3]);
}

void FillTwoWordRow(GridState& grid, int row, const std::uint16_t* w) {
    grid.Cell(2, row) = AxisUnsignedText(w[0]);
    grid.Cell(3, row) = AxisStatusText(w[1]);
}

}  // namespace

int CreateAxisMonitorForm(CSession& session, SAxisMonitorFormState& form) {
    form = SAxisMonitorFormState{};
    form.caption = Ui(175);
    std::vector<std::uint16_t> modes;
    std::vector<std::uint16_t> sizes;
    if (ReadUnitWords(session, REG_AXIS_MODES, 16, modes) != COMM_OK) return COMM_FAILED;
    if (ReadUnitWords(session, REG_FINX, 3, sizes) != COMM_OK) return COMM_FAILED;
    std::copy(modes.begin(), modes.end(), form.axisModes.begin());
    form.finx = sizes[0];
    form.w4n = sizes[1];
    form.w8n = sizes[2];
    form.twoWordLayout = IsTwoWordLayout(form.axisModes[0]);
    form.rows = BuildAxisRows(form.axisModes, form.finx);
    form.totalWords = TotalAxisWords(form.rows);
    BuildGrid(form);
    // The direction buttons show their design captions; no text table holds them.
    form.RadioButton1.text = "MASTER->GateWay";
    form.RadioButton2.text = "GateWay->MASTER";
    form.cbMonitorSpeed.items = MonitorCycleItems();
    form.cbMonitorSpeed.index = static_cast<int>(form.cbMonitorSpeed.items.size()) - 1;
    form.poll.timerInterval = MonitorCycleInterval(form.cbMonitorSpeed.index);
    AxisDirectionClick(form, false);
    return COMM_OK;
}

void AxisMonitorTick(CSession& session, SAxisMonitorFormState& form) {
    if (form.poll.busy || form.poll.closeRequested) return;
    if (form.totalWords == 0) return;  // a read of no registers is no valid request
    CMonitorBusy busy(form.poll);
    const bool fromGateway = form.RadioButton2.checked;
    std::vector<std::uint16_t> words;
    const int result = ReadHoldingRegisters(session, fromGateway ? AXIS_GATEWAY_WORDS : AXIS_MASTER_WORDS,
                                            static_cast<std::uint16_t>(form.totalWords), words);
    if (result != COMM_OK) {
        EndMonitorAfterFailedPoll(session, form.poll);
        return;
    }
    form.ioWords = std::move(words);
    form.ioFromGateway = fromGateway;
    FillAxisGrid(form);
}

void FillAxisGrid(SAxisMonitorFormState& form) {
    GridState& grid = form.StringGrid1;
    std::size_t k = 0;
    for (std::size_t axis = 0; axis < form.rows.size(); ++axis) {
        const int words = form.rows[axis].words;
        const int row = static_cast<int>(axis) + form.fixedRows;
        if (k + static_cast<std::size_t>(words) > form.ioWords.size()) break;
        const std::uint16_t* w = form.ioWords.data() + k;
        k += static_cast<std::size_t>(words);
        if (row >= grid.rowCount || words == 0) continue;
        if (grid.colCount == FULL_COLUMNS && words == FULL_WORDS) {
            FillFullRow(grid, row, w, form.ioFromGateway);
        } else if (grid.colCount == FULL_COLUMNS && words == FOUR_WORDS) {
            FillFourWordRow(grid, row, w, form.ioFromGateway);
        } else if (words == 2) {
            FillTwoWordRow(grid, row, w);
        }
    }
}

void WriteAxisHeaders(SAxisMonitorFormState& form, bool gatewayToMaster) {
    GridState& grid = form.StringGrid1;
    if (form.twoWordLayout) {
        grid.Cell(2, 0) = Ui(gatewayToMaster ? 162 : 161);
        grid.Cell(3, 0) = Ui(gatewayToMaster ? 164 : 163);
        return;
    }
    if (gatewayToMaster) {
        grid.Cell(5, 0) = Ui(170);
        grid.Cell(6, 0) = Ui(162);
        grid.Cell(7, 0) = Ui(164);
        const std::array<std::string, 6> row1{Ui(170), Ui(171), Ui(172), "-", Ui(173), Ui(164)};
        for (int col = 2; col < FULL_COLUMNS; ++col)
            grid.Cell(col, 1) = row1[static_cast<std::size_t>(col - 2)];
    } else {
        grid.Cell(5, 0) = Ui(165);
        grid.Cell(6, 0) = Ui(161);
        grid.Cell(7, 0) = Ui(163);
        const std::array<std::string, 6> row1{Ui(165), Ui(166), Ui(167), Ui(168), Ui(169), Ui(163)};
        for (int col = 2; col < FULL_COLUMNS; ++col)
            grid.Cell(col, 1) = row1[static_cast<std::size_t>(col - 2)];
    }
}

void AxisDirectionClick(SAxisMonitorFormState& form, bool gatewayToMaster) {
    form.RadioButton1.checked = !gatewayToMaster;
    form.RadioButton2.checked = gatewayToMaster;
    WriteAxisHeaders(form, gatewayToMaster);
}

void cbMonitorSpeedChange(SAxisMonitorFormState& form, int index) {
    if (index < 0 || index >= static_cast<int>(form.cbMonitorSpeed.items.size())) return;
    form.cbMonitorSpeed.index = index;
    form.poll.timerInterval = MonitorCycleInterval(index);
}

void CloseAxisMonitorForm(SAxisMonitorFormState& form) {
    form.poll.timerInterval = 0;
}
