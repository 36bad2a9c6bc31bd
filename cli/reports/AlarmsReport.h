#pragma once
// What `gwcli alarms` reports: the unit's identification and the 64 alarm records with the texts the
// alarm list window shows and the raw numbers beside them, as terminal text or as JSON.
#include <cstdint>
#include <string>
#include <vector>

#include "cli/console/CliJson.h"
#include "core/monitors/AlarmList.h"

struct SAlarmReportRecord {
    int record = 0;
    std::string code, content, detail, address, occurrence;  // the window's texts
    SAlarmRecord raw;
};

struct SAlarmReport {
    std::string identification;  // 8 upper-case hexadecimal digits
    std::vector<std::string> headers;
    std::vector<SAlarmReportRecord> records;
};

SAlarmReport AlarmReportOf(const CAlarmList& list);
// The grid as the window shows it: the header row and one line per record, in aligned columns.
std::string AlarmReportText(const SAlarmReport& report);
CliJson AlarmReportJson(const SAlarmReport& report);
