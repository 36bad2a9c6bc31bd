#pragma once
// The alarm list window's behaviour: reads the gateway's 64-record alarm history into a grid, clears
// the history on request and saves the grid as a CSV file. The window renders these controls and
// forwards its button clicks; gwcli drives the same operations.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/app/ControlState.h"
#include "core/monitors/AlarmListCsv.h"
#include "core/monitors/AlarmRecordText.h"
#include "core/procedures/Session.h"

inline constexpr int ALARM_RECORDS = 64;
inline constexpr int ALARM_BLOCKS = 4;
inline constexpr int ALARM_RECORDS_PER_BLOCK = ALARM_RECORDS / ALARM_BLOCKS;
inline constexpr std::uint16_t ALARM_HISTORY_FIRST = 0xF400;
inline constexpr int ALARM_GRID_COLUMNS = 6;
inline constexpr int ALARM_GRID_ROWS = ALARM_RECORDS + 1;  // the header row and one row per record
inline constexpr int ALARM_CLEAR_REREAD_MS = 300;          // the unit's time to empty its history

class CAlarmList {
public:
    explicit CAlarmList(CSession& session);

    // Reads the identification and the four blocks of the history into the grid (on showing and on
    // `bRefresh`): 0, or COMM_FAILED after "AlaramList read failure" was shown.
    int ReadList();
    // `bClear`: clears the history in the unit without asking, then reads the list again: 0, or
    // COMM_FAILED after "Failure AlarmList clear." (or the read's failure) was shown.
    int bClearClick();
    // Writes the grid as the CSV file `path`, replacing any old file only once the new one is complete;
    // `savedAt` is the moment the user asked to save. Shows "Finished to save the alarm list." or
    // "Failed to save the alarm list." with the file and why it could not be written; returns 0 or
    // COMM_FAILED.
    int SaveCsv(const std::string& path, const SLocalDateTime& savedAt);
    // The CSV file's contents as a save would write them now.
    std::string CsvText(const SLocalDateTime& savedAt) const;

    std::string Caption;
    GridState StringGrid1;
    TextState bRefresh, bClear, bSave;
    std::uint32_t identification = 0;                   // from the last successful Report Slave ID
    std::array<SAlarmRecord, ALARM_RECORDS> records{};  // as last read, for the raw values
    // Called whenever the controls changed while an exchange runs, so the window can show them.
    std::function<void()> onChanged;

private:
    int ReadIdentificationAndBlocks();
    int ReadBlock(int block);
    void EnableButtons(bool refreshAndClear, bool save);
    void Changed();

    CSession& session;
};
