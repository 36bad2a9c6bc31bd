#pragma once
// The texts of the comparison of two parameter sets: the File menu's two items, the compare window and
// the values a field shows when it has none.
#include <string_view>

namespace CompareText {
inline constexpr std::string_view MENU_COMPARE_UNIT = "Compare with &unit...";
inline constexpr std::string_view MENU_COMPARE_FILE = "Compare with &file...";
inline constexpr std::string_view CAPTION_UNIT = "Compare with unit";
inline constexpr std::string_view CAPTION_FILE = "Compare with file";
inline constexpr std::string_view COLUMN_FIELD = "Field";
inline constexpr std::string_view COLUMN_REGISTER = "Register";
inline constexpr std::string_view COLUMN_WINDOW = "Window";
inline constexpr std::string_view COLUMN_UNIT = "Unit";
inline constexpr std::string_view COLUMN_FILE = "File";
inline constexpr std::string_view DIFFERENCES = "%d field(s) differ between the window and the %ls.";
inline constexpr std::string_view NO_DIFFERENCE = "The window and the %ls hold the same parameters.";
inline constexpr std::string_view THE_UNIT = "unit";
inline constexpr std::string_view THE_FILE = "file";
inline constexpr std::string_view TAKE_UNIT = "Take the unit's set";
inline constexpr std::string_view TAKE_FILE = "Take the file's set";
inline constexpr std::string_view KEEP_WINDOW = "Keep the window's set";
inline constexpr std::string_view CLOSE = "Close";
inline constexpr std::string_view NOT_SHOWN = "(none)";
inline constexpr std::string_view REGISTER = "Register";  // a register difference no field shows
inline constexpr std::string_view BIT = "Bit %d";         // ... a bit of an option word
inline constexpr std::string_view ON = "on";
inline constexpr std::string_view OFF = "off";
}  // namespace CompareText
