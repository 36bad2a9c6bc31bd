#include "core/monitors/AlarmList.h"

#include <cstdio>
#include <vector>

#include "core/app/GwType.h"
#include "core/app/texts/MsgText.h"
#include "core/app/texts/UiText.h"
#include "core/files/FileProblem.h"
#include "core/files/SafeFileReplace.h"
#include "core/link/CommResult.h"
#include "core/procedures/RegisterExchange.h"

namespace {

constexpr int UI_CAPTION = 210;
constexpr std::array<int, ALARM_GRID_COLUMNS> UI_HEADERS{211, 212, 213, 198, 149, 197};
constexpr int UI_REFRESH = 275;
constexpr int UI_CLEAR = 276;
constexpr int UI_SAVE = 388;
constexpr int MSG_READ_FAILURE = 53;
constexpr int MSG_CLEAR_DONE = 58;
constexpr int MSG_CLEAR_FAILED = 59;
constexpr int MSG_SAVE_DONE = 85;
constexpr int MSG_SAVE_FAILED = 86;
constexpr std::uint8_t SUB_CLEAR_ALARMS = 0x0F;
constexpr int BLOCK_WORDS = ALARM_RECORDS_PER_BLOCK * ALARM_RECORD_WORDS;

std::string ClearRequestText(std::uint8_t slave) {
    char text[32];
    std::snprintf(text, sizeof text, "%02X%02X%02X%02X%04hX%04hX", unsigned{slave}, unsigned{FN_VENDOR}, 0u,
                  unsigned{SUB_CLEAR_ALARMS}, static_cast<unsigned short>(0), static_cast<unsigned short>(0));
    return text;
}

// Report Slave ID bytes 3, 5, 6 and 7 (byte 4 is the run indicator).
std::uint32_t IdentificationOf(const std::vector<std::uint8_t>& reply) {
    return std::uint32_t{reply[3]} << 24 | std::uint32_t{reply[5]} << 16 | std::uint32_t{reply[6]} << 8 |
           reply[7];
}

}  // namespace

CAlarmList::CAlarmList(CSession& s) : session(s) {
    Caption = UiText[UI_CAPTION];
    StringGrid1.Resize(ALARM_GRID_COLUMNS, ALARM_GRID_ROWS);
    for (int col = 0; col < ALARM_GRID_COLUMNS; ++col) {
        StringGrid1.Cell(col, 0) = UiText[UI_HEADERS[static_cast<std::size_t>(col)]];
        StringGrid1.colours[0][static_cast<std::size_t>(col)] = CellColour::Grey;
    }
    for (int n = 0; n < ALARM_RECORDS; ++n) StringGrid1.Cell(0, n + 1) = std::to_string(n);
    bRefresh.text = UiText[UI_REFRESH];
    bClear.text = UiText[UI_CLEAR];
    bSave.text = UiText[UI_SAVE];
}

int CAlarmList::ReadList() {
    EnableButtons(false, false);
    const int result = ReadIdentificationAndBlocks();
    if (result != COMM_OK) session.host.ShowMessageBox(MsgText[MSG_READ_FAILURE], MB_ICON_INFORMATION);
    EnableButtons(true, true);
    return result == COMM_OK ? COMM_OK : COMM_FAILED;
}

int CAlarmList::ReadIdentificationAndBlocks() {
    std::vector<std::uint8_t> slaveId;
    if (const int result = ReportSlaveId(session, slaveId); result != COMM_OK) return result;
    identification = IdentificationOf(slaveId);
    for (int block = 0; block < ALARM_BLOCKS; ++block) {
        if (const int result = ReadBlock(block); result != COMM_OK) return result;
    }
    return COMM_OK;
}

int CAlarmList::ReadBlock(int block) {
    std::vector<std::uint16_t> words;
    const auto first = static_cast<std::uint16_t>(ALARM_HISTORY_FIRST + block * BLOCK_WORDS);
    if (const int result = ReadHoldingRegisters(session, first, BLOCK_WORDS, words); result != COMM_OK) {
        return result;
    }
    for (int r = 0; r < ALARM_RECORDS_PER_BLOCK; ++r) {
        const int n = block * ALARM_RECORDS_PER_BLOCK + r;
        const SAlarmRecord record = AlarmRecordOf(&words[static_cast<std::size_t>(r * ALARM_RECORD_WORDS)]);
        records[static_cast<std::size_t>(n)] = record;
        const AlarmRowTexts texts = AlarmRowTextsOf(record);
        for (int col = 1; col < ALARM_GRID_COLUMNS; ++col) {
            StringGrid1.Cell(col, n + 1) = texts[static_cast<std::size_t>(col - 1)];
        }
    }
    Changed();
    return COMM_OK;
}

int CAlarmList::bClearClick() {
    EnableButtons(false, bSave.enabled);
    int result = SendWrite(session, ClearRequestText(session.program.GwSlaveAddress));
    if (result == COMM_OK) {
        session.host.ShowMessageBox(MsgText[MSG_CLEAR_DONE], MB_ICON_INFORMATION);
        session.WaitPumping(ALARM_CLEAR_REREAD_MS);
        result = ReadList();
    } else {
        session.host.ShowMessageBox(MsgText[MSG_CLEAR_FAILED], MB_ICON_INFORMATION);
        result = COMM_FAILED;
    }
    EnableButtons(true, bSave.enabled);
    return result;
}

std::string CAlarmList::CsvText(const SLocalDateTime& savedAt) const {
    return AlarmListCsvText({savedAt, GwUnitDataOf(session.program.SelectedGwType).name, identification},
                            StringGrid1);
}

int CAlarmList::SaveCsv(const std::string& path, const SLocalDateTime& savedAt) {
    if (ReplaceFileContents(path, CsvText(savedAt)) != FILE_WRITE_OK) {
        session.host.ShowMessageBoxWithDetail(MsgText[MSG_SAVE_FAILED], MB_ICON_ERROR,
                                              FileDetail(path, FileWriteProblem(path)));
        return COMM_FAILED;
    }
    session.host.ShowMessageBox(MsgText[MSG_SAVE_DONE], MB_ICON_INFORMATION);
    return COMM_OK;
}

void CAlarmList::EnableButtons(bool refreshAndClear, bool save) {
    bRefresh.enabled = bClear.enabled = refreshAndClear;
    bSave.enabled = save;
    Changed();
}

void CAlarmList::Changed() {
    if (onChanged) onChanged();
}
