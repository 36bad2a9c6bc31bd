#pragma once
// The general messages shared with the maker's other tools; all are shown with the error icon.
#include <array>
#include <cstddef>
#include <string_view>

inline constexpr std::size_t COMMON_MSG_TEXT_SLOTS = 200;
// "Communication port open error", the box of every command that could not open the port.
inline constexpr std::size_t COMMON_MSG_PORT_OPEN_ERROR = 50;

extern const std::array<std::string_view, COMMON_MSG_TEXT_SLOTS> CommonMsgText;
