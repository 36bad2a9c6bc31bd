#pragma once
// The poll cycles the register and axis monitors offer: "100ms" to "500ms".
#include <string>
#include <vector>

std::vector<std::string> MonitorCycleItems();
// Entry i (0..4) polls every (i + 1) x 100 ms.
int MonitorCycleInterval(int index);
