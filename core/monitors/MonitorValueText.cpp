#include "core/monitors/MonitorValueText.h"

std::string TenthsText(std::uint16_t word) {
    // Whole tenths computed in integers, so that no binary rounding can show (6553.5, not 6553.500001).
    const unsigned whole = word / 10u;
    const unsigned tenth = word % 10u;
    std::string text = std::to_string(whole);
    if (tenth != 0) text += "." + std::to_string(tenth);
    return text;
}

std::string ScaledDecimalText(std::uint16_t word, unsigned factor) {
    return std::to_string(static_cast<unsigned long>(word) * factor);
}
