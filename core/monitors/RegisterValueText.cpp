#include "core/monitors/RegisterValueText.h"

#include <array>
#include <cstdio>

std::string RegisterHexText(std::uint16_t value) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "%04hX", value);
    return text.data();
}

std::string RegisterBinText(std::uint16_t value) {
    std::string text;
    for (int bit = 15; bit >= 0; --bit) {
        text += ((value >> bit) & 1u) != 0 ? '1' : '0';
        if (bit % 4 == 0 && bit != 0) text += ' ';
    }
    return text;
}

std::string RegisterValueText(std::uint16_t value, bool binaryView) {
    return binaryView ? RegisterBinText(value) : RegisterHexText(value);
}
