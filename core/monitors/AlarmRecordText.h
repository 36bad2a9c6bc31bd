#pragma once
// One record of the gateway's alarm history and the texts the alarm list shows for it.
#include <array>
#include <cstdint>
#include <string>

// A record as the gateway keeps it: six registers, big-endian.
struct SAlarmRecord {
    std::uint16_t detail = 0;
    std::uint16_t address = 0xFFFF;
    std::uint32_t code = 0;     // 0 marks an empty record
    std::uint32_t seconds = 0;  // occurrence time
};

inline constexpr int ALARM_RECORD_WORDS = 6;
// Times below this many seconds (3653 days) count from power-up; from here on they are calendar times.
inline constexpr std::uint32_t ALARM_CALENDAR_FROM = 315619200u;

// The record stored in six registers from `words` on.
SAlarmRecord AlarmRecordOf(const std::uint16_t* words);

// Columns 1 to 5 of the alarm list's grid: code, content, detail, address, occurrence time.
using AlarmRowTexts = std::array<std::string, 5>;
AlarmRowTexts AlarmRowTextsOf(const SAlarmRecord& record);

// The occurrence time: "hhh:mm:ss" since power-up below ALARM_CALENDAR_FROM, otherwise the date and time
// that many seconds after 2000-01-01 00:00:00 ("2010-01-01 08:15:00"), the time left out at midnight.
std::string OccurrenceTimeText(std::uint32_t seconds);
