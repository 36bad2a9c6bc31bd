#pragma once
// The simulated line's faults that make replies arrive as real lines hand them over.
#include "sim/SimFaults.h"

// Replies handed over as a USB serial adapter with a latency timer of `ms` does.
inline SSimFaults UsbLatencyFault(int ms) {
    SSimFaults faults;
    faults.usbLatencyMs = ms;
    return faults;
}

// Each reply pauses `ms` in its middle.
inline SSimFaults MidReplyPauseFault(int ms) {
    SSimFaults faults;
    faults.midReplyPauseMs = ms;
    return faults;
}
