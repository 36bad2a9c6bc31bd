#pragma once
// The simulated unit's alarm history as the alarm window's CSV file writes it, shared by the monitor's
// test and gwcli's: a code's text from the tool's table, the ";GWP=" line's version of this build and
// the rows from the column header on (six records, then 58 empty ones).
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/app/texts/AlarmCodeTable.h"

inline std::string AlarmTableText(std::uint16_t code) {
    return std::string(AlarmCodeTable[static_cast<std::size_t>(AlarmCodeIndexOf(code))].text);
}

inline std::string ToolVersionCsvLine() {
    char version[16];
    std::snprintf(version, sizeof version, "%02X%02X%02X%02X", GW_VERSION_MAJOR, GW_VERSION_MINOR,
                  GW_VERSION_PATCH, GW_VERSION_TWEAK);
    return ";GWP=" + std::string(version) + "\r\n";
}

inline std::string SimAlarmCsvRows() {
    std::string rows = "Record,Code,Content,Detail,Address,OccTime,\n";
    rows += "0,FFF," + AlarmTableText(0xFFF) + ",----,----,2026-03-02 08:15:00,\n";
    rows += "1,860," + AlarmTableText(0x860) + ",0012,0003,01:02:05,\n";
    rows += "2,89A," + AlarmTableText(0x89A) + ",----,----,2026-03-02 09:40:30,\n";
    rows += "3,123,undefined,0001,0001,12:34:56,\n";
    rows += "4,848," + AlarmTableText(0x848) + ",0005,----,2026-03-03,\n";
    rows += "5,8A3," + AlarmTableText(0x8A3) + ",----,0002,00:00:07,\n";
    for (int n = 6; n < 64; ++n) rows += std::to_string(n) + ",----,----,----,----,----,\n";
    return rows;
}
