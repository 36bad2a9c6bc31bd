#include "core/monitors/RegisterMonitor.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "core/app/texts/CommonText.h"
#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"
#include "core/link/CommResult.h"
#include "core/monitors/MonitorCycle.h"
#include "core/monitors/RegisterValueText.h"
#include "core/procedures/RegisterExchange.h"

namespace {

constexpr std::uint16_t NTYP_RS485 = 0xF485;
constexpr int GRID_ROWS = REG_WINDOW_ROWS + 1;
constexpr int MSG_WRITE_SUCCEEDED = 9;
constexpr int MSG_WRITE_FAILED = 11;

std::string OffsetText(int offset) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "+%02hX", static_cast<unsigned short>(offset));
    return text.data();
}

void BuildGrid(GridState& grid) {
    grid.Resize(2, GRID_ROWS);
    grid.Cell(0, 0) = CommonText[514];
    grid.Cell(1, 0) = CommonText[517];
    for (int row = 0; row < GRID_ROWS; ++row) {
        grid.colours[static_cast<std::size_t>(row)][0] = CellColour::Grey;
    }
    grid.colours[0][1] = CellColour::Grey;
}

void FillGrid(GridState& grid, int position, const RegisterImage& image, bool binaryView) {
    for (int row = 1; row < GRID_ROWS; ++row) {
        const int k = position + row - 1;
        grid.Cell(0, row) = OffsetText(k);
        grid.Cell(1, row) = RegisterValueText(image[static_cast<std::size_t>(k)], binaryView);
    }
}

SScrollBarState& ScrollBarOf(SRegMoniterFormState& form, ERegArea area) {
    return area == ERegArea::Master ? form.ScrollBar1 : form.ScrollBar2;
}

int& SelectedRowOf(SRegMoniterFormState& form, ERegArea area) {
    return form.selectedRow[area == ERegArea::Master ? 0 : 1];
}

// Reads the 16 visible registers of one area into its image.
int ReadWindow(CSession& session, std::uint8_t slave, std::uint16_t areaStart, int position,
               RegisterImage& image) {
    const int start = areaStart + position;
    if (position < 0 || position > REG_SCROLL_MAX) return REG_READ_OUT_OF_AREA;
    std::vector<std::uint16_t> words;
    const int result =
        ReadHoldingRegistersFrom(session, slave, static_cast<std::uint16_t>(start), REG_WINDOW_ROWS, words);
    if (result != COMM_OK) return result;
    std::copy(words.begin(), words.end(), image.begin() + position);
    return COMM_OK;
}

void WriteMasterArea(CSession& session, SRegMoniterFormState& form, std::uint8_t slave) {
    const int result = SendWrite(session, WriteWordsText(slave, REG_MASTER_AREA, form.writeImage600));
    form.lastWriteResult = result;
    if (result == COMM_OK) {
        session.host.ShowMessageBox(MsgText[MSG_WRITE_SUCCEEDED], MB_ICON_INFORMATION);
    } else {
        session.host.ShowMessageBox(MsgText[MSG_WRITE_FAILED], MB_ICON_ERROR);
    }
}

// The whole master's area into both images, as the unit holds it: the starting point of a write.
int LoadMasterArea(CSession& session, SRegMoniterFormState& form, std::uint8_t slave) {
    std::vector<std::uint16_t> words;
    const int result = ReadHoldingRegistersFrom(session, slave, REG_MASTER_AREA, REG_AREA_WORDS, words);
    if (result != COMM_OK) return result;
    std::copy(words.begin(), words.end(), form.readImage600.begin());
    form.writeImage600 = form.readImage600;
    form.masterAreaLoadPending = false;
    form.WriteButton.enabled = true;
    return COMM_OK;
}

void MoveSelectionOrScroll(SRegMoniterFormState& form, ERegArea area, int rowStep, int scrollStep,
                           bool atEdge) {
    if (atEdge) {
        ScrollBarChange(form, area, ScrollBarOf(form, area).position + scrollStep);
        return;
    }
    int& row = SelectedRowOf(form, area);
    row = std::clamp(row + rowStep, 1, REG_WINDOW_ROWS);
}

}  // namespace

void CreateRegMoniterForm(SRegMoniterFormState& form, const CSession& session) {
    form = SRegMoniterFormState{};
    form.testMode = session.form.flags.rs485SioMode;
    form.caption = UiText[97];
    form.pPLCToZUNA.text = std::string(UiText[138]) + " -> " + std::string(UiText[139]);
    form.pZUNAToPLC.text = std::string(UiText[139]) + " -> " + std::string(UiText[138]);
    const bool kavelis = session.program.SelectedGwType == GW_KAVELIS;
    form.lF600h = {{true, kavelis}, std::string(UiText[142])};
    form.lF700h = {{true, kavelis}, std::string(UiText[143])};
    BuildGrid(form.StringGrid1);
    BuildGrid(form.StringGrid2);
    form.cbCycle.items = MonitorCycleItems();
    form.cbCycle.index = static_cast<int>(form.cbCycle.items.size()) - 1;
    form.cbHEXorBIN.items = {std::string(UiText[140]), std::string(UiText[141])};
    form.cbHEXorBIN.index = 0;
    form.chkSyncScroll.text = UiText[145];
    form.rbRead = {{form.testMode, form.testMode}, std::string(UiText[3]), form.testMode};
    form.rbWrite = {{form.testMode, form.testMode}, std::string(UiText[4]), false};
    form.WriteButton = {{false, form.testMode}, std::string(UiText[4])};
    form.edSetRegister.visible = false;
    form.edBinSetRegister.visible = false;
    form.poll.timerInterval = MonitorCycleInterval(form.cbCycle.index);
    RefreshRegisterGrids(form);
}

std::uint8_t RegMoniterSlave(const CSession& session, const SRegMoniterFormState& form) {
    if (form.testMode && session.image.Word(NTYP) == NTYP_RS485) {
        return static_cast<std::uint8_t>(session.image.Word(DADR));
    }
    return session.program.GwSlaveAddress;
}

void RegMoniterTick(CSession& session, SRegMoniterFormState& form) {
    if (form.poll.busy || form.scrolling || form.poll.closeRequested) return;
    CMonitorBusy busy(form.poll);
    const std::uint8_t slave = RegMoniterSlave(session, form);
    int result = COMM_OK;
    if (!form.rbWrite.checked) {
        result = ReadWindow(session, slave, REG_MASTER_AREA, form.ScrollBar1.position, form.readImage600);
    } else if (form.masterAreaLoadPending) {
        result = LoadMasterArea(session, form, slave);
    }
    if (result == COMM_OK) {
        result = ReadWindow(session, slave, REG_GATEWAY_AREA, form.ScrollBar2.position, form.readImage700);
    }
    if (result != COMM_OK) {
        EndMonitorAfterFailedPoll(session, form.poll);
        return;
    }
    if (form.writeRequested) {
        WriteMasterArea(session, form, slave);
        form.writeRequested = false;
    }
    RefreshRegisterGrids(form);
}

void RefreshRegisterGrids(SRegMoniterFormState& form) {
    const RegisterImage& left = form.rbWrite.checked ? form.writeImage600 : form.readImage600;
    FillGrid(form.StringGrid1, form.ScrollBar1.position, left, form.binaryView);
    FillGrid(form.StringGrid2, form.ScrollBar2.position, form.readImage700, form.binaryView);
}

void ScrollBarChange(SRegMoniterFormState& form, ERegArea area, int position) {
    position = std::clamp(position, 0, REG_SCROLL_MAX);
    ScrollBarOf(form, area).position = position;
    if (form.syncScroll) {
        ScrollBarOf(form, area == ERegArea::Master ? ERegArea::Gateway : ERegArea::Master).position =
            position;
    } else {
        form.gridFocusRequest = area;
    }
    RefreshRegisterGrids(form);
}

void ScrollOperation(SRegMoniterFormState& form, bool ended) {
    form.scrolling = !ended;
}

void GridMouseWheel(SRegMoniterFormState& form, ERegArea area, bool down) {
    const int row = SelectedRowOf(form, area);
    MoveSelectionOrScroll(form, area, down ? 1 : -1, down ? 1 : -1, down ? row == REG_WINDOW_ROWS : row == 1);
}

bool GridKey(SRegMoniterFormState& form, ERegArea area, EGridKey key) {
    const int row = SelectedRowOf(form, area);
    switch (key) {
        case EGridKey::Up:
            MoveSelectionOrScroll(form, area, -1, -1, row == 1);
            return true;
        case EGridKey::Down:
            MoveSelectionOrScroll(form, area, 1, 1, row == REG_WINDOW_ROWS);
            return true;
        case EGridKey::PageUp:
            MoveSelectionOrScroll(form, area, -REG_WINDOW_ROWS, -REG_WINDOW_ROWS, row == 1);
            return true;
        case EGridKey::PageDown:
            MoveSelectionOrScroll(form, area, REG_WINDOW_ROWS, REG_WINDOW_ROWS, row == REG_WINDOW_ROWS);
            return true;
        case EGridKey::Enter:
            return area == ERegArea::Master && StartRegisterEdit(form);
        case EGridKey::Other:
            return false;
    }
    return false;
}

void GridSelectRow(SRegMoniterFormState& form, ERegArea area, int row) {
    if (row >= 1 && row <= REG_WINDOW_ROWS) SelectedRowOf(form, area) = row;
}

void cbCycleChange(SRegMoniterFormState& form, int index) {
    if (index < 0 || index >= static_cast<int>(form.cbCycle.items.size())) return;
    form.cbCycle.index = index;
    form.poll.timerInterval = MonitorCycleInterval(index);
}

void cbHEXorBINChange(SRegMoniterFormState& form, int index) {
    form.cbHEXorBIN.index = index;
    form.binaryView = index != 0;
}

void chkSyncScrollClick(SRegMoniterFormState& form, bool checked) {
    form.chkSyncScroll.checked = checked;
    form.syncScroll = checked;
}

void rbReadClick(SRegMoniterFormState& form) {
    if (form.rbRead.checked) return;
    form.rbRead.checked = true;
    form.rbWrite.checked = false;
    form.masterAreaLoadPending = false;
    form.WriteButton.enabled = false;
}

void rbWriteClick(CSession& session, SRegMoniterFormState& form) {
    if (form.rbWrite.checked) return;
    form.rbRead.checked = false;
    form.rbWrite.checked = true;
    form.writeImage600 = form.readImage600;
    form.masterAreaLoadPending = true;
    form.WriteButton.enabled = false;
    if (form.poll.busy) return;
    CMonitorBusy busy(form.poll);
    if (LoadMasterArea(session, form, RegMoniterSlave(session, form)) != COMM_OK) {
        EndMonitorAfterFailedPoll(session, form.poll);
    }
    RefreshRegisterGrids(form);
}

void WriteButtonClick(SRegMoniterFormState& form) {
    form.writeRequested = true;
}

bool StartRegisterEdit(SRegMoniterFormState& form) {
    if (!form.testMode || !form.rbWrite.checked || form.masterAreaLoadPending) return false;
    const int row = form.selectedRow[0];
    form.editIndex = form.ScrollBar1.position + row - 1;
    const std::string cellText = form.StringGrid1.Cell(1, row);
    form.WriteButton.enabled = false;
    if (form.binaryView) {
        form.edBinSetRegister.text = cellText;
        form.edBinSetRegister.visible = true;
        form.binEditor = {cellText, 0};
    } else {
        form.edSetRegister.text = cellText;
        form.edSetRegister.visible = true;
    }
    return true;
}

bool edSetRegisterEnter(SRegMoniterFormState& form, const std::string& text) {
    const std::optional<std::uint16_t> value = HexEditorValue(text);
    if (!value) return false;
    form.writeImage600[static_cast<std::size_t>(form.editIndex)] = *value;
    RegisterEditExit(form);
    RefreshRegisterGrids(form);
    return true;
}

void edBinSetRegisterEnter(SRegMoniterFormState& form) {
    form.writeImage600[static_cast<std::size_t>(form.editIndex)] = BinEditorValue(form.binEditor.text);
    RegisterEditExit(form);
    RefreshRegisterGrids(form);
}

void RegisterEditExit(SRegMoniterFormState& form) {
    if (!form.edSetRegister.visible && !form.edBinSetRegister.visible) return;
    form.edSetRegister.text.clear();
    form.edSetRegister.visible = false;
    form.edBinSetRegister.text.clear();
    form.edBinSetRegister.visible = false;
    form.binEditor = {};
    form.WriteButton.enabled = form.rbWrite.checked;
}

void CloseRegMoniterForm(SRegMoniterFormState& form) {
    form.poll.timerInterval = 0;
}
