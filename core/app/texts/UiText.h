#pragma once
// Captions, labels, list items, column titles, file-dialog filters and file header tags of the tool.
// Texts that end in "(*%ls)|*%ls|" are file-dialog filters (both %ls take the file extension); texts that
// begin with ";" and end with "=" are parameter-file header tags.
#include <array>
#include <cstddef>
#include <string_view>

inline constexpr std::size_t UI_TEXT_SLOTS = 870;

// Slots 0-397 hold the tool's texts (some of them empty); 398-869 are empty.
extern const std::array<std::string_view, UI_TEXT_SLOTS> UiText;
