#pragma once
// The texts of the main window's status bar.
#include <cstdint>
#include <string>

// Panel 1: the program's version "%d.%d.%d.%d", from the build's project version.
std::string ProgramVersionText();

// Panel 0: "Baudrate(bps)" ":" bps "   " "Port" ":" "COM" n, e.g. "Baudrate(bps):115200   Port:COM3".
std::string PortStatusText(std::uint32_t bps, int portNum);
