#pragma once
// gwsim's --fault option: one named fault of the line or the unit, switched on from the start.
#include <string>
#include <string_view>

#include "sim/SimFaults.h"

// Applies "echo", "silent", "other-address", "busy", "exception=CODE", "reply-speed=BPS",
// "unit-speed=BPS", "usb-latency=MS" or "pause=MS" to `faults`: true, or false with `error` saying what
// is wrong.
bool ApplySimFaultOption(std::string_view text, SSimFaults& faults, std::string& error);
