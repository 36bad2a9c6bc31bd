#pragma once
// Message-box texts of the tool. Line breaks, leading and trailing blanks are part of the texts.
#include <array>
#include <cstddef>
#include <string_view>

inline constexpr std::size_t MSG_TEXT_SLOTS = 870;

// Slots 0-86 hold the messages (33, 34 and 79 are empty); the rest are empty.
extern const std::array<std::string_view, MSG_TEXT_SLOTS> MsgText;

// "Data read failure": a read of the unit's data (a monitor's, the driver parameters') that failed.
inline constexpr std::size_t MSG_DATA_READ_FAILURE = 54;
