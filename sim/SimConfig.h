#pragma once
// How a simulated gateway line is set up: the gateway type, the units on the line and how it behaves.
#include <string>
#include <vector>

#include "core/app/GwType.h"

struct SSimConfig {
    GwType type = GW_VOSK;      // the gateway type every unit on the line is
    std::vector<int> units{0};  // unit numbers on the line (unit-numbered types answer at D0h + n)
    int axes = 8;               // axis slot count reported in FA0Fh (low byte)
    bool autoMode = false;      // start in AUTO mode (parameter writes refused with exception 06)
    std::string stateFile;      // optional: registers loaded at start / saved at exit
    bool pace = false;          // emulate the wire: bytes leave at the unit's bit rate, 10 bits each
};
