#pragma once
// Hexadecimal text to a 32-bit value, as the settings key `Flag` and parameter-file headers hold it.
#include <cstdint>
#include <string_view>

// Digits most significant first, upper or lower case; with more than 8 digits the last 8 count.
// Returns 0 with the value, or -1 with *value = 0 at the first character that is not a hex digit.
int HexTextToValue(std::string_view text, std::uint32_t* value);
