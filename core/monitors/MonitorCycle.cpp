#include "core/monitors/MonitorCycle.h"

namespace {
constexpr int CYCLE_STEP_MS = 100;
constexpr int CYCLE_ENTRIES = 5;
}  // namespace

std::vector<std::string> MonitorCycleItems() {
    std::vector<std::string> items;
    for (int i = 1; i <= CYCLE_ENTRIES; ++i) items.push_back(std::to_string(i * CYCLE_STEP_MS) + "ms");
    return items;
}

int MonitorCycleInterval(int index) {
    return (index + 1) * CYCLE_STEP_MS;
}
