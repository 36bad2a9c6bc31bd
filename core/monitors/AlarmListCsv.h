#pragma once
// The alarm list's CSV file: four header lines ending in CR LF (date and time of the save, the gateway
// type with the unit's identification, the tool's version), then every grid row, header row first,
// each cell followed by a comma and the row ended by LF alone.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/ControlState.h"

struct SLocalDateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

// The computer's local date and time now.
SLocalDateTime LocalDateTimeNow();

struct SAlarmCsvHeader {
    SLocalDateTime savedAt;
    std::string_view typeName;  // the gateway type's name from the type table
    std::uint32_t identification = 0;
};

std::string AlarmListCsvText(const SAlarmCsvHeader& header, const GridState& grid);
