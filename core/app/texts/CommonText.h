#pragma once
// The general texts shared with the maker's other tools: menu captions, button captions, box captions,
// the port and baud rate labels.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t COMMON_TEXT_SLOTS = 870;

// Message box captions chosen by the icon bits.
inline constexpr int COMMON_TEXT_WARNING = 115;
inline constexpr int COMMON_TEXT_INFORMATION = 116;
inline constexpr int COMMON_TEXT_CONFIRMATION = 117;
inline constexpr int COMMON_TEXT_ALARM = 118;

extern const std::array<std::string_view, COMMON_TEXT_SLOTS> CommonText;

// A copy of CommonText[index]; an empty text for an index outside 0-869.
std::string CommonTextAt(int index);
