#pragma once
// The questions this tool asks beyond the gateway tool's own tables: before a write would give the unit
// the address another unit already answers at, and before unsaved edits of the main window's set are
// thrown away.
#include <string_view>

namespace ToolQuestionText {
inline constexpr std::string_view UNIT_ADDRESS_TAKEN =
    "Another Gateway unit already answers at the address of the unit number in these parameters.\r\n"
    "After a restart the two units would share one address.\r\n"
    "Do you want to transmit parameters anyway?";
// The detail below it: the new unit number, then the unit and its address ("%d", "%d", "%02X").
inline constexpr std::string_view UNIT_ADDRESS_TAKEN_DETAIL =
    "The parameters give the unit the unit number %d, and unit %d (%02Xh) already answers.";
inline constexpr std::string_view UNSAVED_EDITS =
    "The parameters have been changed and not saved.\r\nDo you want to save them?";
}  // namespace ToolQuestionText
