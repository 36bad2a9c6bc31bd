#pragma once
// The words a port setting is given in, on gwcli's command line and in the exporter's configuration
// alike: a whole number, a COM number, one of the speeds the settings dialog offers, a unit number.
#include <optional>
#include <string_view>

inline constexpr int HIGHEST_COM_NUMBER = 65535;
inline constexpr std::string_view OFFERED_SPEEDS_TEXT = "9600, 19200, 38400, 57600, 115200 or 230400";

// The whole text as a decimal number; nothing for an empty text or any other character.
std::optional<int> WholeNumber(std::string_view text);
// The speed's index in the baud table, for the speeds offered on the PC side (9600 to 230400 bit/s).
std::optional<int> OfferedBaudIndex(std::string_view text);
// 0 or 1.
std::optional<int> UnitNumber(std::string_view text);
bool IsComNumber(int number);
