#pragma once
// The gateway's alarm codes and their texts, as the alarm list shows them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

struct SAlarmCode {
    std::uint16_t code;
    std::string_view text;
};

inline constexpr std::size_t ALARM_CODE_RECORDS = 45;

// The record with code 0 (the last one) ends the table.
extern const std::array<SAlarmCode, ALARM_CODE_RECORDS> AlarmCodeTable;

// Index of the record holding `code`, or -1 when the code is 0 or not in the table.
int AlarmCodeIndexOf(std::uint16_t code);
