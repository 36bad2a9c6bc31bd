#pragma once
// The general messages shared with the maker's other tools; all are shown with the error icon.
#include <array>
#include <cstddef>
#include <string_view>

inline constexpr std::size_t COMMON_MSG_TEXT_SLOTS = 200;
// "Communication port open error", the box of every command that could not open the port.
inline constexpr std::size_t COMMON_MSG_PORT_OPEN_ERROR = 50;
// "Receive time-out error (PC)": no valid reply came, twice.
inline constexpr std::size_t COMMON_MSG_RECEIVE_TIMEOUT = 51;
// "Receive data error (PC)": a reply came that does not answer the request.
inline constexpr std::size_t COMMON_MSG_RECEIVE_DATA_ERROR = 58;

extern const std::array<std::string_view, COMMON_MSG_TEXT_SLOTS> CommonMsgText;
