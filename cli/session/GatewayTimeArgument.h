#pragma once
// The value of `time --set`: "now" (the PC's local time when the command starts) or a date and time
// "YYYY-MM-DD hh:mm:ss" as the time setting dialog's lists offer it (years 2010..2099).
#include <cstdint>
#include <optional>
#include <string>

#include "core/service/GatewayTime.h"

struct STimeArgument {
    bool now = false;
    SGatewayDateTime dateTime;  // when not `now`: a day the calendar has
};

// The value read, or nothing with `reason` set when the text is not of that form or names a day the
// calendar lacks (30 February).
std::optional<STimeArgument> ParseTimeArgument(const std::string& text, std::string& reason);
