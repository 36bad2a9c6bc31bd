#pragma once
// Names of the bits of the gateway's two extended parameter words; index = bit number.
#include <array>
#include <string_view>

extern const std::array<std::string_view, 16> ExtParam1BitNames;
extern const std::array<std::string_view, 16> ExtParam2BitNames;
