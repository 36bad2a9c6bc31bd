#pragma once
// The PIO pattern correspondence window as text, for the reminder after a write with restart.
#include <string>

#include "core/app/ProgramValues.h"

// Explanation, table title, one line per table row (cells separated by " | ") and the footnote when
// the window shows one.
std::string PioReminderText(GwType type, std::uint32_t toolFlags);
